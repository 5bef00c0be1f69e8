#include "CheckPack.h"
#include "Commands.h"
#include "Console.h"
#include "EachPack.h"
#include "ToolFiles.h"
#include "packs/PackCatalogue.h"
#include "platform/FileLayer.h"
#include "platform/ProgramDirectory.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

const std::string kCommand = "install";

// The game takes a name from the program directory before the player's
// folder: a pack installed under it would never be played.
bool ProgramDirectoryHolds(const ProgramDirectory& directory, const std::string& name) {
    const PackFiles files = FindPackFiles({directory.Path()});
    return std::any_of(files.taken.begin(), files.taken.end(),
                       [&](const PackFiles::File& file) { return file.name == name; });
}

void MakeFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        throw FileError(FileError::Operation::Create, folder, error.message());
}

// Installs one pack; false when it is refused.
bool InstallPack(const std::filesystem::path& pack, const ProgramDirectory& directory) {
    const std::string name = pack.filename().native();
    if (!IsPackFileName(name)) {
        PrintPackProblem(pack, QStringLiteral("only files named *.qdr are picture packs"));
        return false;
    }
    int pictures = 0;
    if (!PrintFindings(pack, CheckPack(pack, pictures))) {
        PrintPackProblem(pack, QStringLiteral("not installed"));
        return false;
    }
    const std::filesystem::path folder = directory.UserPackFolder();
    const std::filesystem::path target = folder / name;
    const QString done = QStringLiteral("(%1 pictures)").arg(pictures);
    std::error_code error;
    if (std::filesystem::equivalent(pack, target, error)) {
        PrintOut(
            QStringLiteral("%1: already installed as %2 %3").arg(Shown(pack), Shown(target), done));
        return true;
    }
    if (folder != directory.Path() && ProgramDirectoryHolds(directory, name)) {
        PrintPackProblem(pack, QStringLiteral("not installed: %1 has the same name and is played "
                                              "instead; give the pack another name")
                                   .arg(Shown(directory.File(name))));
        return false;
    }
    MakeFolder(folder);
    const bool replacing = std::filesystem::exists(std::filesystem::symlink_status(target, error));
    CopyWhole(pack, target);
    PrintOut(QStringLiteral("%1: %2 %3 %4")
                 .arg(Shown(pack),
                      replacing ? QStringLiteral("replaced") : QStringLiteral("installed as"),
                      Shown(target), done));
    return true;
}

} // namespace

int RunInstall(const std::vector<std::string>& args) {
    const ProgramDirectory directory = ProgramDirectory::OfExecutable();
    return RunOverPacks(kCommand, args, [&](const std::filesystem::path& pack) {
        return InstallPack(pack, directory);
    });
}
