#include "packs/PackCatalogue.h"

#include "platform/FileLayer.h"

#include <algorithm>
#include <utility>

namespace {

// ASCII only, so the order does not change with the locale.
std::string Lowered(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return text;
}

bool IsPackName(const std::string& name) {
    return name.size() > 4 && Lowered(name.substr(name.size() - 4)) == ".qdr";
}

} // namespace

std::vector<std::string> ListPackFiles(const std::filesystem::path& directory) {
    // Each name with its lowered form, lowered once rather than at every
    // comparison of the sort.
    std::vector<std::pair<std::string, std::string>> keyed;
    for (DirectoryEntry& entry : ListDirectory(directory))
        if (IsPackName(entry.name) && !entry.isDirectory)
            keyed.emplace_back(Lowered(entry.name), std::move(entry.name));
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::string> names;
    names.reserve(keyed.size());
    for (auto& [lowered, name] : keyed)
        names.push_back(std::move(name));
    return names;
}

PackProblems ScanPacks(PackCatalogue& catalogue, const std::filesystem::path& directory) {
    catalogue = PackCatalogue();
    PackProblems problems;
    for (const std::string& name : ListPackFiles(directory)) {
        const auto shown = [&name] { return QString::fromStdString(name); };
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
            problems.push_back({PackProblem::Kind::BadMagic, shown()});
            continue;
        }
        const int category = static_cast<signed char>(header[1]);
        const int pictures = static_cast<signed char>(header[2]);
        if (got < std::size_t(kPackHeaderSize) || pictures < 0) {
            problems.push_back(
                {PackProblem::Kind::Refused,
                 QStringLiteral("%1 is not a picture pack Quadrillo can read: %2.")
                     .arg(shown(), got < std::size_t(kPackHeaderSize)
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
