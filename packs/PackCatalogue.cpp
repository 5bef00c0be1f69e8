#include "packs/PackCatalogue.h"

#include "platform/FileLayer.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

namespace {

// ASCII only, so the order does not change with the locale.
char Lowered(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool IsPackName(const std::string& name) {
    if (name.size() <= 4)
        return false;
    const char* end = name.data() + name.size() - 4;
    return end[0] == '.' && Lowered(end[1]) == 'q' && Lowered(end[2]) == 'd' &&
           Lowered(end[3]) == 'r';
}

std::vector<std::string> SortedPackFiles(DirectoryHandle& directory) {
    std::vector<std::string> names;
    std::size_t letters = 0;
    for (DirectoryEntry& entry : directory.List())
        if (IsPackName(entry.name) && !entry.isDirectory) {
            letters += entry.name.size();
            names.push_back(std::move(entry.name));
        }
    // Each name lowered once, all into one buffer, rather than at every
    // comparison of the sort or into a string of its own.
    std::string lowered(letters, '\0');
    std::vector<std::pair<std::string_view, std::string*>> keyed;
    keyed.reserve(names.size());
    char* out = lowered.data();
    for (std::string& name : names) {
        char* const start = out;
        out = std::transform(name.begin(), name.end(), out, Lowered);
        keyed.emplace_back(std::string_view(start, std::size_t(out - start)), &name);
    }
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        const int order = a.first.compare(b.first);
        return order != 0 ? order < 0 : *a.second < *b.second;
    });
    std::vector<std::string> sorted;
    sorted.reserve(keyed.size());
    for (const auto& [key, name] : keyed)
        sorted.push_back(std::move(*name));
    return sorted;
}

} // namespace

std::vector<std::string> ListPackFiles(const std::filesystem::path& directory) {
    DirectoryHandle handle(directory);
    return SortedPackFiles(handle);
}

PackProblems ScanPacks(PackCatalogue& catalogue, const std::filesystem::path& directory) {
    catalogue = PackCatalogue();
    PackProblems problems;
    // Each pack is opened relative to the directory, not by its full path.
    DirectoryHandle folder(directory);
    for (std::string& name : SortedPackFiles(folder)) {
        unsigned char bytes[kPackHeaderSize] = {};
        std::size_t got = 0;
        try {
            got = folder.ReadStart(name, bytes, kPackHeaderSize);
        } catch (const FileError& error) {
            problems.push_back({PackProblem::Kind::Refused, QString::fromStdString(error.what())});
            continue;
        }
        PackHeader header;
        std::optional<PackProblem> refused = ParsePackHeader(bytes, got, directory / name, header);
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
        catalogue.packCount[header.category] += 1;
        catalogue.pictureTotal[header.category] += header.pictureCount;
        catalogue.packs[header.category].push_back({std::move(name), header.pictureCount});
    }
    return problems;
}
