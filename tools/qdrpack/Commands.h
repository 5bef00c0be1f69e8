#pragma once

#include <string>
#include <vector>

// Each command takes the arguments after its name and returns the exit
// status. Wrong usage raises UsageError, refused input InputError or FileError.
int RunCreate(const std::vector<std::string>& args);
int RunList(const std::vector<std::string>& args);
int RunExtract(const std::vector<std::string>& args);
int RunCheck(const std::vector<std::string>& args);
int RunInstall(const std::vector<std::string>& args);
