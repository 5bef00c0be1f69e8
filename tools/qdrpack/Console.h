#pragma once

#include <QString>

#include <filesystem>
#include <string_view>

// Everything the tool prints goes through here, as UTF-8.
void PrintOut(std::string_view text);
void PrintOut(const QString& line);
// "qdrpack: message" on stderr.
void PrintError(std::string_view message);
// "PACK: problem" on stderr, PACK as the command line named it; a warning
// reads "PACK: warning: problem".
void PrintPackProblem(const std::filesystem::path& pack, const QString& problem,
                      bool warning = false);

// A path as the user typed it, for messages.
QString Shown(const std::filesystem::path& file);
