#pragma once

#include <QString>

#include <filesystem>
#include <string_view>

// The directory that holds the executable. Working files and packs are
// addressed by absolute paths in it, so a change of the current directory
// can never make the program read or delete a file elsewhere.
class ProgramDirectory {
  public:
    explicit ProgramDirectory(std::filesystem::path directory);

    // The executable's own directory (needs the application object).
    static ProgramDirectory OfExecutable();

    const std::filesystem::path& Path() const { return directory_; }
    std::filesystem::path File(std::string_view name) const { return directory_ / name; }
    // A picture path as the game keeps it: a bare name ("temp.bmp") is a
    // working file in this directory, anything else is taken as it is.
    QString Resolve(const QString& path) const;

    // Makes it the process's current directory; false when that failed.
    bool MakeCurrent() const;

  private:
    std::filesystem::path directory_;
};
