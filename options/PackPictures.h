#pragma once

#include "options/PictureSelection.h"

#include <QImage>
#include <QStringList>

#include <filesystem>
#include <optional>
#include <span>

class MessageBoxService;
class ProgramDirectory;

// Puts the titles of `packs`, pack after pack, into `titles` (emptied
// first). A pack that cannot be opened or read in full is reported once, by
// its name and the reason, and the others are still listed. False when the
// list does not hold exactly the pictures the catalogue counts for them, so
// its items cannot be told apart by counting.
bool ListTitles(std::span<const PackEntry> packs, const ProgramDirectory& directory,
                MessageBoxService& messages, QStringList& titles);

// What becomes of the file a picture is taken into while it is written.
enum class WhileWriting {
    OutputGone, // deleted first, the picture written in its place
    OutputKept, // left as it is until the picture is whole, then replaced
};

// Copies the picture out of its pack into `output` and reads it at `size`.
// A picture that does not come out whole, or cannot be shown, is reported
// by pack and reason and leaves no file of its own behind. Nothing then.
std::optional<QImage> TakePicture(const SelectedPicture& picture, const ProgramDirectory& directory,
                                  const std::filesystem::path& output, QSize size,
                                  WhileWriting writing, MessageBoxService& messages);
