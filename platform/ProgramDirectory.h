#pragma once

#include <QString>

#include <filesystem>
#include <string_view>
#include <vector>

// The directory that holds the executable and its packs, the folders other
// packs are read from, and the folder the game's working files go to: the
// same directory when the game may write there, else a folder of the
// player's own. All are absolute, so a change of the current directory can
// never make the program read or delete a file elsewhere.
class ProgramDirectory {
  public:
    // Working files beside the program unless `workingFolder` is given.
    // Packs are read from `packFolders` in order, always the program
    // directory first, and from it alone when none are given; players put
    // theirs in `userPackFolder`, the program directory when none is given.
    explicit ProgramDirectory(std::filesystem::path directory,
                              std::filesystem::path workingFolder = {},
                              std::vector<std::filesystem::path> packFolders = {},
                              std::filesystem::path userPackFolder = {});

    // The executable's own directory, and the pack folders the environment
    // names (needs the application object).
    static ProgramDirectory OfExecutable();

    const std::filesystem::path& Path() const { return directory_; }
    // A file beside the program.
    std::filesystem::path File(std::string_view name) const { return directory_ / name; }

    // Where packs are read from, the program directory first.
    const std::vector<std::filesystem::path>& PackFolders() const { return packFolders_; }
    // Where the player puts packs of their own.
    const std::filesystem::path& UserPackFolder() const { return userPackFolder_; }

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
    std::vector<std::filesystem::path> packFolders_;
    std::filesystem::path userPackFolder_;
};

// Where the working files of a game in `programDirectory` go: that directory
// when the game may write into it, else "Quadrillo" in the player's cache
// folder ($XDG_CACHE_HOME, or ~/.cache when that is unset or not absolute).
std::filesystem::path ChooseWorkingFolder(const std::filesystem::path& programDirectory,
                                          bool programDirectoryWritable,
                                          const QString& xdgCacheHome, const QString& home);

// The player's own pack folder: "Quadrillo/packs" in $XDG_DATA_HOME, or in
// ~/.local/share when that is unset, empty or not absolute.
std::filesystem::path UserPackFolder(const QString& xdgDataHome, const QString& home);

// Every folder packs are read from, in the order they are looked at: the
// program directory, the player's own folder, then "Quadrillo/packs" in each
// absolute entry of the colon-separated $XDG_DATA_DIRS (unset or empty means
// /usr/local/share/:/usr/share/). A folder named twice is taken at its first
// place only.
std::vector<std::filesystem::path> PackFolders(const std::filesystem::path& programDirectory,
                                               const QString& xdgDataHome, const QString& home,
                                               const QString& xdgDataDirs);
