#pragma once

#include <optional>
#include <string>
#include <string_view>

// A category as the command line names it: its number, 0 to 4, or a name
// (cartoons, misc, movies, music, tv) in any case. Nothing for anything else.
std::optional<int> ParseCategory(std::string_view text);

// What ParseCategory takes, for messages: "0 to 4 or cartoons, misc, ...".
std::string CategoryChoices();
