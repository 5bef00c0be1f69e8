#pragma once

class MessageBoxService;
class ProfileStore;
struct PuzzleState;

// First run (no usable "Category") writes the defaults; then the four values
// are read. A value outside its range is replaced by its default in the
// state, and the store is left as it is.
void LoadSettings(PuzzleState& state, ProfileStore& store);

// Writes all four values, changed or not.
void SaveSettings(const PuzzleState& state, ProfileStore& store);

// Tells the player of a fault the store met since it was last asked, naming
// the file and what the game does about it.
void ReportSettingsFault(ProfileStore& store, MessageBoxService& messages);
