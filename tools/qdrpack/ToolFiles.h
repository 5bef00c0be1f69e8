#pragma once

#include <QByteArray>

#include <cstdint>
#include <filesystem>

// Up to `length` bytes from `offset` on (fewer at the end of the file), read
// through the file layer, which raises FileError when the file cannot be read.
QByteArray ReadFileBytes(const std::filesystem::path& file, std::uint64_t offset,
                         std::uint64_t length);
QByteArray ReadWholeFile(const std::filesystem::path& file);

// Raises InputError when `file` is there already and `force` is not set.
void RefuseToReplace(const std::filesystem::path& file, bool force);
