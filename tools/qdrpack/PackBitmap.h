#pragma once

#include <QByteArray>

#include <filesystem>

// The bitmap a pack stores for `image`: the picture stretched to 600 x 375
// and written as a 24-bit BMP, or with `keep` the BMP file byte for byte.
// Raises InputError when the file is no picture (or no BMP under `keep`),
// FileError when it cannot be read.
QByteArray PackBitmap(const std::filesystem::path& image, bool keep);
