#pragma once

#include "packs/PackReader.h"

#include <filesystem>

class MessageBoxService;

// Where players find more picture packs; a packager sets it when building.
QString PackDownloadAddress();

// Where to put picture packs for the game to find them: a sentence naming
// the player's own pack folder.
QString PutPacksIn(const std::filesystem::path& userPackFolder);

// "No picture packs found", with where to get some and where to put them.
void ShowNoPacksFound(const std::filesystem::path& userPackFolder, MessageBoxService& messages);

// Shows what a pack reader met, one box each.
void ShowPackProblems(const PackProblems& problems, MessageBoxService& messages);

// The same for what a read of one pack met, each message naming the pack; a
// pack that is no picture pack any more says so.
void ShowPackProblemsOf(const QString& pack, PackProblems problems, MessageBoxService& messages);

// What replaces a pack's name in a message once it has changed since the scan.
QString PackChangedSinceScan(const QString& pack, const QString& how);

// A picture of a pack as messages name it: "\"Sea\" (picture 2 of misc.qdr)",
// or "Picture 2 of misc.qdr" when its title is not known.
QString DescribePackPicture(const QString& pack, int pictureNumber, const QString& title);
