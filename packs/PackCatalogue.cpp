#include "packs/PackCatalogue.h"

#include "platform/FileLayer.h"

#include <algorithm>
#include <optional>
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
        PackHeader header;
        std::optional<PackProblem> refused;
        try {
            InputFile in(directory / name);
            refused = ReadPackHeader(in, header);
        } catch (const FileError& error) {
            problems.push_back({PackProblem::Kind::Refused, QString::fromStdString(error.what())});
            continue;
        }
        if (header.magic != kPackMagic) {
            problems.push_back({PackProblem::Kind::BadMagic, QString::fromStdString(name)});
            continue;
        }
        if (refused) {
            problems.push_back(std::move(*refused));
            continue;
        }
        if (!IsCategory(header.category))
            continue;
        catalogue.packs[header.category].push_back({name, header.pictureCount});
        ++catalogue.packCount[header.category];
        catalogue.pictureTotal[header.category] += header.pictureCount;
    }
    return problems;
}
