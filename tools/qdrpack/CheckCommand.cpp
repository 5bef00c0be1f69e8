#include "Commands.h"
#include "Console.h"
#include "EachPack.h"
#include "LayoutProblems.h"
#include "ToolFiles.h"
#include "packs/PackFormat.h"
#include "packs/PackReader.h"
#include "platform/FileLayer.h"
#include "platform/PictureLoader.h"

#include <filesystem>

namespace {

const std::string kCommand = "check";

// Every problem of one pack, its fields first, then its pictures in order.
std::vector<Finding> ProblemsOf(const std::filesystem::path& pack, int& pictures) {
    const PackListing listing = ReadPackListing(pack);
    const std::uint64_t size = InputFile(pack).Size();
    std::vector<Finding> problems = LayoutProblems(listing, size);
    int number = 0;
    for (const PackRecord& record : listing.records) {
        ++number;
        if (!DataInsideFile(record, size))
            continue; // already reported as cut short
        const QByteArray data = ReadFileBytes(pack, record.dataOffset, record.dataLength);
        const LoadedPicture picture = LoadPictureData(
            data, QStringLiteral("picture %1").arg(number), QSize(kPictureWidth, kPictureHeight));
        if (!picture.Ok())
            problems.push_back({picture.reason});
    }
    pictures = number;
    return problems;
}

} // namespace

int RunCheck(const std::vector<std::string>& args) {
    return RunOverPacks(kCommand, args, [](const std::filesystem::path& pack) {
        int pictures = 0;
        const std::vector<Finding> problems = ProblemsOf(pack, pictures);
        for (const Finding& problem : problems)
            PrintPackProblem(pack, problem.text, problem.warning);
        const bool playable = Playable(problems);
        if (playable)
            PrintOut(QStringLiteral("%1: ok (%2 pictures)").arg(Shown(pack)).arg(pictures));
        return playable;
    });
}
