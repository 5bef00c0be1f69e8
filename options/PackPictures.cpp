#include "options/PackPictures.h"

#include "packs/PackReports.h"
#include "packs/Windows1252.h"
#include "platform/CommandTable.h"
#include "platform/PictureLoader.h"

#include <algorithm>

bool ListTitles(std::span<const PackEntry> packs, MessageBoxService& messages,
                QStringList& titles) {
    titles.clear();
    qsizetype expected = 0;
    for (const PackEntry& pack : packs)
        expected += std::max(pack.pictures, 0);
    titles.reserve(expected);
    bool matches = true;
    for (const PackEntry& pack : packs) {
        const QString name = PackName(pack.path);
        int listed = 0;
        PackListing listing;
        try {
            listing = VisitPackRecords(pack.path, [&](const PackRecordView& record) {
                titles.append(DecodeWindows1252(record.title));
                ++listed;
            });
        } catch (const FileError& error) {
            ReportFileError(error, messages);
            matches = false;
            continue;
        }
        // Another file may stand under the name since the packs were scanned:
        // what it listed is no pack's.
        if (listing.header.magic != kPackMagic) {
            titles.resize(titles.size() - listed);
            ShowPackProblemsOf(name, {{PackProblem::Kind::BadMagic, name}}, messages);
            matches = false;
            continue;
        }
        if (listed == pack.pictures && listing.problems.empty() && !listing.truncated)
            continue;
        matches = false;
        if (!listing.problems.empty())
            ShowPackProblemsOf(name, std::move(listing.problems), messages);
        else if (listing.truncated)
            messages.Report(
                QStringLiteral("%1 is cut short: only %2 of its %3 pictures can be read.")
                    .arg(name)
                    .arg(listed)
                    .arg(int(listing.header.pictureCount)));
        else
            messages.Report(
                PackChangedSinceScan(
                    name,
                    QStringLiteral("it holds %1 pictures, not %2").arg(listed).arg(pack.pictures)) +
                QStringLiteral(" Start Quadrillo again to play them."));
    }
    return matches;
}
