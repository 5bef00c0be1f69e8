#pragma once

#include "packs/PackReader.h"

#include <QString>

#include <cstdint>
#include <vector>

// What is wrong with a pack's fields, found from its listing and its size
// alone: everything short of decoding the pictures. Empty for a sound pack.
std::vector<QString> LayoutProblems(const PackListing& listing, std::uint64_t fileSize);

// True when picture `record`'s data lies wholly inside a file of `fileSize` bytes.
bool DataInsideFile(const PackRecord& record, std::uint64_t fileSize);

// A reader's problem in words a user of the tool can act on.
QString ProblemText(const PackProblem& problem);
