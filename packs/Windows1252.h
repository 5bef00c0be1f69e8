#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

// Pack titles are single bytes in Windows-1252.
QString DecodeWindows1252(std::string_view bytes);

// Nothing when a character has no Windows-1252 byte (or is a control
// character, which no title should hold).
std::optional<std::string> EncodeWindows1252(const QString& text);

// A file name as the directory holds it: UTF-8 when its bytes are UTF-8,
// else Windows-1252, as packs named on older systems are.
QString DecodeFileName(std::string_view bytes);
