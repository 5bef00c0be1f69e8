#include "platform/ProgramDirectory.h"

#include <QCoreApplication>

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
