#include "platform/FileLayer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

std::string Describe(FileError::Operation operation, const std::filesystem::path& file,
                     const std::string& reason) {
    const char* verb = "open";
    switch (operation) {
    case FileError::Operation::Open:
        verb = "open";
        break;
    case FileError::Operation::Create:
        verb = "create";
        break;
    case FileError::Operation::Read:
        verb = "read";
        break;
    case FileError::Operation::Write:
        verb = "write";
        break;
    case FileError::Operation::Remove:
        verb = "delete";
        break;
    }
    return "Could not " + std::string(verb) + " \"" + file.string() + "\": " + reason + ".";
}

} // namespace

FileError::FileError(Operation operation, std::filesystem::path file, std::string reason)
    : std::runtime_error(Describe(operation, file, reason)), operation_(operation),
      file_(std::move(file)), reason_(std::move(reason)) {}

bool FileExists(const std::filesystem::path& file) {
    std::FILE* handle = std::fopen(file.c_str(), "r");
    if (!handle)
        return false;
    std::fclose(handle);
    return true;
}

void RemoveFile(const std::filesystem::path& file) {
    if (std::remove(file.c_str()) != 0)
        throw FileError(FileError::Operation::Remove, file, std::strerror(errno));
}
