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
