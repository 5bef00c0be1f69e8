#pragma once

#include "packs/PackReader.h"

class MessageBoxService;

// Where players find more picture packs; a packager sets it when building.
QString PackDownloadAddress();

// "No picture packs found", with where to get some.
void ShowNoPacksFound(MessageBoxService& messages);

// Shows what a pack reader met, one box each.
void ShowPackProblems(const PackProblems& problems, MessageBoxService& messages);
