#include "Commands.h"
#include "Console.h"
#include "EachPack.h"
#include "LayoutProblems.h"
#include "packs/PackFormat.h"
#include "packs/PackReader.h"
#include "packs/Windows1252.h"
#include "platform/FileLayer.h"

#include <filesystem>

namespace {

const std::string kCommand = "list";

// Lists one pack; false when the game would refuse or misread it.
bool ListPack(const std::filesystem::path& pack) {
    const PackListing listing = ReadPackListing(pack);
    const std::uint64_t size = InputFile(pack).Size();
    const std::string_view name = CategoryName(listing.header.category);
    PrintOut(QStringLiteral("%1: category %2 (%3), %4 pictures")
                 .arg(Shown(pack))
                 .arg(int(listing.header.category))
                 .arg(QString::fromUtf8(name.data(), qsizetype(name.size())))
                 .arg(int(listing.header.pictureCount)));
    int number = 0;
    for (const PackRecord& record : listing.records)
        PrintOut(QStringLiteral("%1  %2  (%3 bytes)")
                     .arg(++number, 4)
                     .arg(DecodeWindows1252(record.title))
                     .arg(record.dataLength));
    const std::vector<Finding> problems = LayoutProblems(listing, size);
    for (const Finding& problem : problems)
        PrintPackProblem(pack, problem.text, problem.warning);
    return Playable(problems);
}

} // namespace

int RunList(const std::vector<std::string>& args) {
    return RunOverPacks(kCommand, args, ListPack);
}
