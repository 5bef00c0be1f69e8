#include "packs/PackCatalogue.h"

#include "platform/FileLayer.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace {

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

bool IsPackName(const std::string& name) {
    return name.size() > 4 && Lowered(name.substr(name.size() - 4)) == ".qdr";
}

} // namespace

std::vector<std::string> ListPackFiles(const std::filesystem::path& directory) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
        const std::string name = entry.path().filename().string();
        if (IsPackName(name) && !entry.is_directory(error))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = Lowered(a), lb = Lowered(b);
        return la != lb ? la < lb : a < b;
    });
    return names;
}

PackProblems ScanPacks(PackCatalogue& catalogue, const std::filesystem::path& directory) {
    catalogue = PackCatalogue();
    PackProblems problems;
    for (const std::string& name : ListPackFiles(directory)) {
        const QString shown = QString::fromStdString(name);
        unsigned char header[kPackHeaderSize] = {};
        std::size_t got = 0;
        try {
            InputFile in(directory / name);
            got = in.Read(header, kPackHeaderSize);
        } catch (const FileError& error) {
            problems.push_back({PackProblem::Kind::Refused, QString::fromStdString(error.what())});
            continue;
        }
        if (got < 1 || header[0] != kPackMagic) {
            problems.push_back({PackProblem::Kind::BadMagic, shown});
            continue;
        }
        const int category = static_cast<signed char>(header[1]);
        const int pictures = static_cast<signed char>(header[2]);
        if (got < std::size_t(kPackHeaderSize) || pictures < 0) {
            problems.push_back(
                {PackProblem::Kind::Refused,
                 QStringLiteral("%1 is not a picture pack Quadrillo can read: %2.")
                     .arg(shown, got < std::size_t(kPackHeaderSize)
                                     ? QStringLiteral("it ends inside its header")
                                     : QStringLiteral("it claims %1 pictures").arg(pictures))});
            continue;
        }
        if (category < 0 || category >= kCategoryCount)
            continue;
        catalogue.packs[category].push_back({name, pictures});
        ++catalogue.packCount[category];
        catalogue.pictureTotal[category] += pictures;
    }
    return problems;
}
