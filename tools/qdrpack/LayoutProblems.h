#pragma once

#include "packs/PackReader.h"

#include <QString>

#include <cstdint>
#include <vector>

// Something wrong with a pack. A warning is what the game plays without
// trouble all the same; anything else makes it refuse or misread a picture.
struct Finding {
    QString text;
    bool warning = false;
};

// What is wrong with a pack's fields, found from its listing and its size
// alone: everything short of decoding the pictures. Empty for a sound pack.
std::vector<Finding> LayoutProblems(const PackListing& listing, std::uint64_t fileSize);

// True when none of the findings is more than a warning.
bool Playable(const std::vector<Finding>& findings);

// True when picture `record`'s data lies wholly inside a file of `fileSize` bytes.
bool DataInsideFile(const PackRecord& record, std::uint64_t fileSize);

// A reader's problem in words a user of the tool can act on.
QString ProblemText(const PackProblem& problem);
