#pragma once

#include <QString>

#include <filesystem>
#include <string_view>

// The directory that holds the executable and its packs, and the folder the
// game's working files go to: the same directory when the game may write
// there, else a folder of the player's own. Both are absolute, so a change of
// the current directory can never make the program read or delete a file
// elsewhere.
class ProgramDirectory {
  public:
    // Working files beside the program unless `workingFolder` is given.
    explicit ProgramDirectory(std::filesystem::path directory,
                              std::filesystem::path workingFolder = {});

    // The executable's own directory (needs the application object).
    static ProgramDirectory OfExecutable();

    const std::filesystem::path& Path() const { return directory_; }
    // A file beside the program, such as a pack.
    std::filesystem::path File(std::string_view name) const { return directory_ / name; }

    const std::filesystem::path& WorkingFolder() const { return workingFolder_; }
    // A working file, such as "temp.bmp".
    std::filesystem::path WorkingFile(std::string_view name) const { return workingFolder_ / name; }
    // Creates the working folder if it is not there; raises FileError.
    void PrepareWorkingFolder() const;

    // A picture path as the game keeps it: a bare name ("temp.bmp") is a
    // working file, anything else is taken as it is.
    QString Resolve(const QString& path) const;

    // Makes it the process's current directory; false when that failed.
    bool MakeCurrent() const;

  private:
    std::filesystem::path directory_;
    std::filesystem::path workingFolder_;
};

// Where the working files of a game in `programDirectory` go: that directory
// when the game may write into it, else "Quadrillo" in the player's cache
// folder ($XDG_CACHE_HOME, or ~/.cache when that is unset or not absolute).
std::filesystem::path ChooseWorkingFolder(const std::filesystem::path& programDirectory,
                                          bool programDirectoryWritable,
                                          const QString& xdgCacheHome, const QString& home);
