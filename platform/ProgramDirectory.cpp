#include "platform/ProgramDirectory.h"

#include <QCoreApplication>
#include <QDir>

#include <system_error>

ProgramDirectory::ProgramDirectory(std::filesystem::path directory)
    : directory_(std::filesystem::absolute(std::move(directory)).lexically_normal()) {}

ProgramDirectory ProgramDirectory::OfExecutable() {
    return ProgramDirectory(QCoreApplication::applicationDirPath().toStdString());
}

bool ProgramDirectory::MakeCurrent() const {
    std::error_code error;
    std::filesystem::current_path(directory_, error);
    return !error;
}

QString ProgramDirectory::Resolve(const QString& path) const {
    if (path.isEmpty() || QDir::isAbsolutePath(path))
        return path;
    return QString::fromStdString((directory_ / path.toStdString()).string());
}
