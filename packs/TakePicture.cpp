#include "packs/TakePicture.h"

#include "packs/PackReader.h"
#include "packs/PackReports.h"
#include "platform/CommandTable.h"
#include "platform/FileLayer.h"
#include "platform/PictureLoader.h"
#include "platform/ProgramDirectory.h"

#include <QFile>

std::optional<QImage> TakePicture(const std::filesystem::path& pack, int pictureNumber,
                                  const ProgramDirectory& directory,
                                  const std::filesystem::path& output, QSize size,
                                  WhileWriting writing, MessageBoxService& messages) {
    const QString packName = PackName(pack);
    const std::filesystem::path written =
        writing == WhileWriting::OutputKept ? PartFile(output) : output;

    ExtractedPicture extracted;
    try {
        directory.PrepareWorkingFolder();
        const PackProblems problems = ExtractPicture(pack, pictureNumber, written, &extracted);
        if (!problems.empty()) {
            DiscardFile(written);
            ShowPackProblemsOf(packName, problems, messages);
            return std::nullopt;
        }
    } catch (const FileError& error) {
        DiscardFile(written);
        ReportFileError(error, messages);
        return std::nullopt;
    }

    // The bytes just written need not be read back.
    LoadedPicture loaded =
        extracted.data.isEmpty()
            ? LoadPicture(QFile::decodeName(written.c_str()), size)
            : LoadPictureData(extracted.data, QFile::decodeName(written.filename().c_str()), size);
    if (!loaded.Ok()) {
        DiscardFile(written);
        messages.Report(
            QStringLiteral("%1 cannot be shown. %2")
                .arg(DescribePackPicture(packName, pictureNumber, extracted.title), loaded.reason));
        return std::nullopt;
    }
    if (written != output) {
        try {
            ReplaceFile(written, output);
        } catch (const FileError& error) {
            ReportFileError(error, messages);
            return std::nullopt;
        }
    }
    return std::move(loaded.image);
}
