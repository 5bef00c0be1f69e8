#include "options/PackPictures.h"

#include "packs/PackReports.h"
#include "packs/Windows1252.h"
#include "platform/CommandTable.h"
#include "platform/PictureLoader.h"
#include "platform/ProgramDirectory.h"

#include <QFile>

#include <algorithm>

namespace {

// Every message about a pack names it, even those whose fixed text does not.
void ShowProblemsOf(const QString& pack, PackProblems problems, MessageBoxService& messages) {
    for (PackProblem& problem : problems)
        if (!problem.message.contains(pack))
            problem.message = QStringLiteral("%1: %2").arg(pack, problem.message);
    ShowPackProblems(problems, messages);
}

QString Described(const SelectedPicture& picture, const QString& pack, const QString& title) {
    const int number = picture.index + 1;
    return title.isEmpty()
               ? QStringLiteral("Picture %1 of %2").arg(number).arg(pack)
               : QStringLiteral("\"%1\" (picture %2 of %3)").arg(title).arg(number).arg(pack);
}

} // namespace

bool ListTitles(std::span<const PackEntry> packs, const ProgramDirectory& directory,
                MessageBoxService& messages, QStringList& titles) {
    titles.clear();
    qsizetype expected = 0;
    for (const PackEntry& pack : packs)
        expected += std::max(pack.pictures, 0);
    titles.reserve(expected);
    bool matches = true;
    for (const PackEntry& pack : packs) {
        const QString name = DecodeFileName(pack.name);
        int listed = 0;
        PackListing listing;
        try {
            listing =
                VisitPackRecords(directory.File(pack.name), [&](const PackRecordView& record) {
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
            ShowProblemsOf(name, {{PackProblem::Kind::BadMagic, name}}, messages);
            matches = false;
            continue;
        }
        if (listed == pack.pictures && listing.problems.empty() && !listing.truncated)
            continue;
        matches = false;
        if (!listing.problems.empty())
            ShowProblemsOf(name, std::move(listing.problems), messages);
        else if (listing.truncated)
            messages.Report(
                QStringLiteral("%1 is cut short: only %2 of its %3 pictures can be read.")
                    .arg(name)
                    .arg(listed)
                    .arg(int(listing.header.pictureCount)));
        else
            messages.Report(
                QStringLiteral("%1 has changed since Quadrillo started: it holds %2 pictures, "
                               "not %3. Start Quadrillo again to play them.")
                    .arg(name)
                    .arg(listed)
                    .arg(pack.pictures));
    }
    return matches;
}

std::optional<QImage> TakePicture(const SelectedPicture& picture, const ProgramDirectory& directory,
                                  const std::filesystem::path& output, QSize size,
                                  WhileWriting writing, MessageBoxService& messages) {
    const QString pack = DecodeFileName(picture.pack);
    std::error_code ignored;
    std::filesystem::path written = output;
    if (writing == WhileWriting::OutputKept)
        written += ".part";
    // A fresh file, never one that was there: nothing is written through a
    // link left in its place, and ext4 would write an emptied file out to
    // disk when it is closed.
    std::filesystem::remove(written, ignored);

    ExtractedPicture extracted;
    const QString& title = extracted.title;
    try {
        const PackProblems problems =
            ExtractPicture(directory.File(picture.pack), picture.index + 1, written, &extracted);
        if (!problems.empty()) {
            std::filesystem::remove(written, ignored);
            ShowProblemsOf(pack, problems, messages);
            return std::nullopt;
        }
    } catch (const FileError& error) {
        std::filesystem::remove(written, ignored);
        ReportFileError(error, messages);
        return std::nullopt;
    }

    LoadedPicture loaded = LoadPicture(QFile::decodeName(written.c_str()), size);
    if (!loaded.Ok()) {
        std::filesystem::remove(written, ignored);
        messages.Report(QStringLiteral("%1 cannot be shown. %2")
                            .arg(Described(picture, pack, title), loaded.reason));
        return std::nullopt;
    }
    if (written != output) {
        std::error_code error;
        std::filesystem::rename(written, output, error);
        if (error) {
            std::filesystem::remove(written, ignored);
            ReportFileError(FileError(FileError::Operation::Write, output, error.message()),
                            messages);
            return std::nullopt;
        }
    }
    return std::move(loaded.image);
}
