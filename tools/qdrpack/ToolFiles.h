#pragma once

#include <QByteArray>

#include <cstdint>
#include <filesystem>

// Up to `length` bytes from `offset` on (fewer at the end of the file), read
// through the file layer, which raises FileError when the file cannot be read.
QByteArray ReadFileBytes(const std::filesystem::path& file, std::uint64_t offset,
                         std::uint64_t length);
QByteArray ReadWholeFile(const std::filesystem::path& file);

// Copies `source` to `target` whole: written under its part name, then put
// in the place of what stood there in one step, never through a link. Raises
// FileError, leaving no part file behind.
void CopyWhole(const std::filesystem::path& source, const std::filesystem::path& target);

// Raises InputError when `file` is there already and `force` is not set.
void RefuseToReplace(const std::filesystem::path& file, bool force);
