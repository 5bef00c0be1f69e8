#include "CheckPack.h"

#include "Console.h"
#include "ToolFiles.h"
#include "packs/PackFormat.h"
#include "packs/PackReader.h"
#include "platform/FileLayer.h"
#include "platform/PictureLoader.h"

std::vector<Finding> CheckPack(const std::filesystem::path& pack, int& pictures) {
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

bool PrintFindings(const std::filesystem::path& pack, const std::vector<Finding>& findings) {
    for (const Finding& finding : findings)
        PrintPackProblem(pack, finding.text, finding.warning);
    return Playable(findings);
}
