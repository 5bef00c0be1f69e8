#include "CheckPack.h"
#include "Commands.h"
#include "Console.h"
#include "EachPack.h"
#include "LayoutProblems.h"
#include "packs/PackCatalogue.h"
#include "packs/PackFormat.h"
#include "packs/PackReader.h"
#include "packs/PackReports.h"
#include "packs/Windows1252.h"
#include "platform/FileLayer.h"
#include "platform/ProgramDirectory.h"

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
    return PrintFindings(pack, LayoutProblems(listing, size));
}

// A scan problem as the game tells it; a file that is no pack the game only
// names, so the tool says why.
QString ScanProblemText(const PackProblem& problem) {
    if (problem.kind != PackProblem::Kind::BadMagic)
        return problem.message;
    return problem.message + QStringLiteral(": ") + ProblemText(problem);
}

// Every pack the game plays, by category, each with the number the title
// setting gives it; then the files it does not play. 1 when a pack or a
// folder could not be read.
int ListPlayedPacks() {
    const ProgramDirectory directory = ProgramDirectory::OfExecutable();
    const PackFiles files = FindPackFiles(directory.PackFolders());
    PackCatalogue catalogue;
    const PackProblems problems = ScanPackFiles(catalogue, files);
    for (const PackProblem& problem : problems)
        PrintError(ScanProblemText(problem).toStdString());
    bool any = false;
    for (int category = 0; category < kCategoryCount; ++category) {
        if (catalogue.packs[category].empty())
            continue;
        any = true;
        const std::string_view name = CategoryName(category);
        PrintOut(name);
        int title = 0;
        for (const PackEntry& pack : catalogue.packs[category])
            PrintOut(QStringLiteral("%1  %2  %3 pictures  %4")
                         .arg(++title, 3)
                         .arg(PackName(pack.path))
                         .arg(pack.pictures)
                         .arg(Shown(pack.path)));
    }
    for (const PackFiles::Hidden& hidden : files.hidden)
        PrintOut(QStringLiteral("not played: %1 (the same name in %2 comes first)")
                     .arg(Shown(files.PathOf(hidden.file)),
                          Shown(files.folders[hidden.playedFolder]->Path())));
    if (!any)
        PrintOut(PutPacksIn(directory.UserPackFolder()));
    return problems.empty() ? 0 : 1;
}

} // namespace

int RunList(const std::vector<std::string>& args) {
    return RunOverPacks(kCommand, args, ListPack, ListPlayedPacks);
}
