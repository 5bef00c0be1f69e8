#include "platform/ProgramDirectory.h"

#include "platform/FileLayer.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <system_error>

#include <unistd.h>

namespace {

// One spelling per folder, "/a/./b/" as "/a/b", so that a folder named twice
// is seen to be one.
std::filesystem::path Normal(const std::filesystem::path& folder) {
    std::filesystem::path normal = folder.lexically_normal();
    if (!normal.has_filename() && normal.has_relative_path())
        normal = normal.parent_path();
    return normal;
}

std::filesystem::path Absolute(std::filesystem::path path) {
    return Normal(std::filesystem::absolute(std::move(path)));
}

void AddFolder(std::vector<std::filesystem::path>& folders, const std::filesystem::path& folder) {
    const std::filesystem::path normal = Normal(folder);
    if (std::find(folders.begin(), folders.end(), normal) == folders.end())
        folders.push_back(normal);
}

// Not QDir's test, which takes ":name" for a Qt resource and so absolute.
bool IsAbsolute(const QString& path) {
    return path.startsWith(QLatin1Char('/'));
}

// A relative XDG path is to be ignored, as the base directory rules say.
std::filesystem::path XdgFolder(const QString& variable, const QString& home,
                                const char* otherwise) {
    return IsAbsolute(variable) ? std::filesystem::path(variable.toStdString())
                                : std::filesystem::path(home.toStdString()) / otherwise;
}

const char* const kPacksBelowData = "Quadrillo/packs";

} // namespace

ProgramDirectory::ProgramDirectory(std::filesystem::path directory,
                                   std::filesystem::path workingFolder,
                                   std::vector<std::filesystem::path> packFolders,
                                   std::filesystem::path userPackFolder)
    : directory_(Absolute(std::move(directory))),
      workingFolder_(workingFolder.empty() ? directory_ : Absolute(std::move(workingFolder))),
      packFolders_{directory_},
      userPackFolder_(userPackFolder.empty() ? directory_ : Absolute(std::move(userPackFolder))) {
    for (const std::filesystem::path& folder : packFolders)
        AddFolder(packFolders_, std::filesystem::absolute(folder));
}

ProgramDirectory ProgramDirectory::OfExecutable() {
    const std::filesystem::path directory = QCoreApplication::applicationDirPath().toStdString();
    // access() also answers for a read-only mount, where the mode bits say
    // nothing.
    const bool writable = ::access(directory.c_str(), W_OK) == 0;
    const QString home = QDir::homePath();
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    return ProgramDirectory(
        directory,
        ChooseWorkingFolder(directory, writable, qEnvironmentVariable("XDG_CACHE_HOME"), home),
        ::PackFolders(directory, dataHome, home, qEnvironmentVariable("XDG_DATA_DIRS")),
        ::UserPackFolder(dataHome, home));
}

void ProgramDirectory::PrepareWorkingFolder() const {
    std::error_code error;
    std::filesystem::create_directories(workingFolder_, error);
    if (error)
        throw FileError(FileError::Operation::Create, workingFolder_, error.message());
}

bool ProgramDirectory::MakeCurrent() const {
    std::error_code error;
    std::filesystem::current_path(directory_, error);
    return !error;
}

QString ProgramDirectory::Resolve(const QString& path) const {
    if (path.isEmpty() || QDir::isAbsolutePath(path))
        return path;
    return QString::fromStdString((workingFolder_ / path.toStdString()).string());
}

std::filesystem::path ChooseWorkingFolder(const std::filesystem::path& programDirectory,
                                          bool programDirectoryWritable,
                                          const QString& xdgCacheHome, const QString& home) {
    if (programDirectoryWritable)
        return programDirectory;
    return XdgFolder(xdgCacheHome, home, ".cache") / "Quadrillo";
}

std::filesystem::path UserPackFolder(const QString& xdgDataHome, const QString& home) {
    return Normal(XdgFolder(xdgDataHome, home, ".local/share") / kPacksBelowData);
}

std::vector<std::filesystem::path> PackFolders(const std::filesystem::path& programDirectory,
                                               const QString& xdgDataHome, const QString& home,
                                               const QString& xdgDataDirs) {
    std::vector<std::filesystem::path> folders;
    AddFolder(folders, programDirectory);
    AddFolder(folders, UserPackFolder(xdgDataHome, home));
    const QString dataDirs =
        xdgDataDirs.isEmpty() ? QStringLiteral("/usr/local/share/:/usr/share/") : xdgDataDirs;
    for (const QString& entry : dataDirs.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (IsAbsolute(entry))
            AddFolder(folders, std::filesystem::path(entry.toStdString()) / kPacksBelowData);
    return folders;
}
