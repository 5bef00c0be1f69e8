#pragma once

#include <string_view>

// The help text of `command`, or the tool's own for an empty name; empty
// for a command the tool does not have.
std::string_view HelpText(std::string_view command);
