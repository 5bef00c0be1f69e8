#pragma once

#include <QString>

#include <filesystem>
#include <string>

// The title a picture gets from its file: the file name without its last
// extension ("beach.day.jpg" gives "beach.day").
QString TitleFromFileName(const std::filesystem::path& image);

// Where extract writes picture `number` when no file is named: its title with
// ".bmp" appended, in the current directory. A '/' or control character
// becomes '_'; an empty title, "." or ".." gives "picture-N.bmp".
std::filesystem::path DefaultPictureFileName(const QString& title, int number);
