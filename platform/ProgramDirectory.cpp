#include "platform/ProgramDirectory.h"

#include "platform/FileLayer.h"

#include <QCoreApplication>
#include <QDir>

#include <system_error>

#include <unistd.h>

namespace {

std::filesystem::path Absolute(std::filesystem::path path) {
    return std::filesystem::absolute(std::move(path)).lexically_normal();
}

} // namespace

ProgramDirectory::ProgramDirectory(std::filesystem::path directory,
                                   std::filesystem::path workingFolder)
    : directory_(Absolute(std::move(directory))),
      workingFolder_(workingFolder.empty() ? directory_ : Absolute(std::move(workingFolder))) {}

ProgramDirectory ProgramDirectory::OfExecutable() {
    const std::filesystem::path directory = QCoreApplication::applicationDirPath().toStdString();
    // access() also answers for a read-only mount, where the mode bits say
    // nothing.
    const bool writable = ::access(directory.c_str(), W_OK) == 0;
    return ProgramDirectory(directory, ChooseWorkingFolder(directory, writable,
                                                           qEnvironmentVariable("XDG_CACHE_HOME"),
                                                           QDir::homePath()));
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
    // A relative XDG path is to be ignored, as the base directory rules say.
    const std::filesystem::path cache = QDir::isAbsolutePath(xdgCacheHome)
                                            ? std::filesystem::path(xdgCacheHome.toStdString())
                                            : std::filesystem::path(home.toStdString()) / ".cache";
    return cache / "Quadrillo";
}
