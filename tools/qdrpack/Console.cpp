#include "Console.h"

#include <iostream>

void PrintOut(std::string_view text) {
    std::cout << text;
    if (!text.ends_with('\n'))
        std::cout << '\n';
    std::cout.flush();
}

void PrintOut(const QString& line) {
    PrintOut(line.toStdString());
}

void PrintError(std::string_view message) {
    std::cerr << "qdrpack: " << message << '\n';
}

void PrintPackProblem(const std::filesystem::path& pack, const QString& problem, bool warning) {
    std::cerr << pack.string() << (warning ? ": warning: " : ": ") << problem.toStdString() << '\n';
}

QString Shown(const std::filesystem::path& file) {
    return QString::fromStdString(file.string());
}
