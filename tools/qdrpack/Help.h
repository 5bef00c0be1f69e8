#pragma once

#include <string_view>

// The help text of `command`, or the tool's own for an empty name; empty
// for a command the tool does not have.
std::string_view HelpText(std::string_view command);

// Prints the command's help when its arguments asked for it; true if it did.
bool PrintHelpIfAsked(std::string_view command, bool asked);
