#pragma once

#include <QByteArray>
#include <QString>

#include <filesystem>
#include <string>
#include <vector>

struct PackPicture {
    QString title;
    QByteArray data; // one complete bitmap file
};

// Why these pictures cannot make a pack (a title too long or with a
// character outside Windows-1252, too many pictures, ...); empty when they can.
QString CheckPackContents(int category, const std::vector<PackPicture>& pictures);

// The bytes of a pack. The contents must pass CheckPackContents.
QByteArray EncodePack(int category, const std::vector<PackPicture>& pictures);

// Writes the pack next to `pack` and then moves it into place, so a failed
// write never leaves half a pack. Returns the reason when the contents
// cannot make a pack; raises FileError when the file cannot be written.
QString WritePack(const std::filesystem::path& pack, int category,
                  const std::vector<PackPicture>& pictures);
