#include "packs/PackCatalogue.h"

#include "packs/Windows1252.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <tuple>
#include <utility>

namespace {

// ASCII only, so the order does not change with the locale.
char Lowered(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// Not there is no fault: the player's own folder mostly is not.
bool Missing(int error) {
    return error == ENOENT || error == ENOTDIR;
}

// The pack files of every folder, in no particular order.
std::vector<PackFiles::File> Candidates(PackFiles& files, std::size_t& letters) {
    std::vector<PackFiles::File> found;
    for (std::size_t folder = 0; folder < files.folders.size(); ++folder) {
        DirectoryHandle& handle = *files.folders[folder];
        const int error = handle.OpenError();
        if (folder > 0 && error != 0 && !Missing(error))
            files.problems.push_back(
                {PackProblem::Kind::Refused,
                 QString::fromStdString(
                     FileError(FileError::Operation::Open, handle.Path(), std::strerror(error))
                         .what())});
        for (DirectoryEntry& entry : handle.List())
            if (IsPackFileName(entry.name) && !entry.isDirectory) {
                letters += entry.name.size();
                found.push_back({folder, std::move(entry.name)});
            }
    }
    return found;
}

// Each folder's path and a separator, so that a pack's full path is made by
// joining two strings rather than by path's operator/, which copies and
// splits the folder's components again for every pack.
std::vector<std::string> FolderPrefixes(const PackFiles& files) {
    std::vector<std::string> prefixes;
    prefixes.reserve(files.folders.size());
    for (const std::unique_ptr<DirectoryHandle>& folder : files.folders) {
        std::string prefix = folder->Path().native();
        if (!prefix.empty() && prefix.back() != '/')
            prefix += '/';
        prefixes.push_back(std::move(prefix));
    }
    return prefixes;
}

} // namespace

bool IsPackFileName(std::string_view name) {
    if (name.size() <= 4)
        return false;
    const char* end = name.data() + name.size() - 4;
    return end[0] == '.' && Lowered(end[1]) == 'q' && Lowered(end[2]) == 'd' &&
           Lowered(end[3]) == 'r';
}

PackFiles FindPackFiles(const std::vector<std::filesystem::path>& folders) {
    PackFiles files;
    files.folders.reserve(folders.size());
    for (const std::filesystem::path& folder : folders)
        files.folders.push_back(std::make_unique<DirectoryHandle>(folder));
    std::size_t letters = 0;
    std::vector<PackFiles::File> found = Candidates(files, letters);

    // Each name lowered once, all into one buffer, rather than at every
    // comparison of the sort or into a string of its own.
    std::string lowered(letters, '\0');
    std::vector<std::pair<std::string_view, PackFiles::File*>> keyed;
    keyed.reserve(found.size());
    char* out = lowered.data();
    for (PackFiles::File& file : found) {
        char* const start = out;
        out = std::transform(file.name.begin(), file.name.end(), out, Lowered);
        keyed.emplace_back(std::string_view(start, std::size_t(out - start)), &file);
    }
    // The same name from two folders ends up side by side, the first folder first.
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        if (const int order = a.first.compare(b.first); order != 0)
            return order < 0;
        return std::tie(a.second->name, a.second->folder) <
               std::tie(b.second->name, b.second->folder);
    });
    files.taken.reserve(keyed.size());
    for (const auto& [key, file] : keyed) {
        if (!files.taken.empty() && files.taken.back().name == file->name)
            files.hidden.push_back({std::move(*file), files.taken.back().folder});
        else
            files.taken.push_back(std::move(*file));
    }
    return files;
}

PackProblems ScanPackFiles(PackCatalogue& catalogue, const PackFiles& files) {
    catalogue = PackCatalogue();
    PackProblems problems = files.problems;
    const std::vector<std::string> prefixes = FolderPrefixes(files);
    for (const PackFiles::File& file : files.taken) {
        const DirectoryHandle& folder = *files.folders[file.folder];
        unsigned char bytes[kPackHeaderSize] = {};
        std::size_t got = 0;
        try {
            // Opened relative to the folder, not by its full path.
            got = folder.ReadStart(file.name, bytes, kPackHeaderSize);
        } catch (const FileError& error) {
            problems.push_back({PackProblem::Kind::Refused, QString::fromStdString(error.what())});
            continue;
        }
        PackHeader header;
        std::optional<PackProblem> refused = ParsePackHeader(bytes, got, file.name, header);
        if (header.magic != kPackMagic) {
            problems.push_back({PackProblem::Kind::BadMagic, DecodeFileName(file.name)});
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
        std::string path;
        path.reserve(prefixes[file.folder].size() + file.name.size());
        path.append(prefixes[file.folder]).append(file.name);
        catalogue.packs[header.category].push_back({std::move(path), header.pictureCount});
    }
    return problems;
}

PackProblems ScanPacks(PackCatalogue& catalogue,
                       const std::vector<std::filesystem::path>& folders) {
    return ScanPackFiles(catalogue, FindPackFiles(folders));
}
