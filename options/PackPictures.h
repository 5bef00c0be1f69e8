#pragma once

#include "options/PictureSelection.h"

#include <QImage>
#include <QStringList>

#include <filesystem>
#include <optional>
#include <span>

class MessageBoxService;

// Puts the titles of `packs`, pack after pack, into `titles` (emptied
// first). A pack that cannot be opened or read in full is reported once, by
// its name and the reason, and the others are still listed. False when the
// list does not hold exactly the pictures the catalogue counts for them, so
// its items cannot be told apart by counting.
bool ListTitles(std::span<const PackEntry> packs, MessageBoxService& messages, QStringList& titles);
