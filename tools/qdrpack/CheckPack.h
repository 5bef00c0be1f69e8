#pragma once

#include "LayoutProblems.h"

#include <filesystem>
#include <vector>

// Every problem of one pack, its fields first, then each picture that does
// not decode, in order; `pictures` is set to the number of pictures read.
// Raises FileError when the pack cannot be read.
std::vector<Finding> CheckPack(const std::filesystem::path& pack, int& pictures);

// Prints each finding on its own line, "PACK: problem" or "PACK: warning:
// problem"; true when none is more than a warning.
bool PrintFindings(const std::filesystem::path& pack, const std::vector<Finding>& findings);
