#pragma once

#include <QString>

#include <filesystem>
#include <string_view>

// Everything the tool prints goes through here, as UTF-8.
void PrintOut(std::string_view text);
void PrintOut(const QString& line);
// "qdrpack: message" on stderr.
void PrintError(std::string_view message);
// "PACK: problem" on stderr, PACK as the command line named it.
void PrintPackProblem(const std::filesystem::path& pack, const QString& problem);

// A path as the user typed it, for messages.
QString Shown(const std::filesystem::path& file);
