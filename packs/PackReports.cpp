#include "packs/PackReports.h"

#include "platform/MessageBoxService.h"

#include <algorithm>

QString PackDownloadAddress() {
    return QStringLiteral(QUADRILLO_PACKS_URL);
}

QString PutPacksIn(const std::filesystem::path& userPackFolder) {
    return QStringLiteral("Put picture packs (.qdr files) in the folder %1 and start Quadrillo "
                          "again.")
        .arg(QString::fromStdString(userPackFolder.string()));
}

void ShowNoPacksFound(const std::filesystem::path& userPackFolder, MessageBoxService& messages) {
    messages.Show(QStringLiteral("If you'd like some go to ") + PackDownloadAddress() +
                      QStringLiteral("\n\n") + PutPacksIn(userPackFolder),
                  QStringLiteral("No picture packs found"));
}

void ShowPackProblems(const PackProblems& problems, MessageBoxService& messages) {
    for (const PackProblem& problem : problems)
        messages.Report(problem.message);
}

void ShowPackProblemsOf(const QString& pack, PackProblems problems, MessageBoxService& messages) {
    // Whatever else the reader met in a file that is no pack says nothing more.
    const bool noPack = std::any_of(problems.begin(), problems.end(), [](const PackProblem& p) {
        return p.kind == PackProblem::Kind::BadMagic;
    });
    if (noPack) {
        messages.Report(
            PackChangedSinceScan(pack, QStringLiteral("it is no longer a picture pack")));
        return;
    }
    for (PackProblem& problem : problems)
        if (!problem.message.contains(pack))
            problem.message = QStringLiteral("%1: %2").arg(pack, problem.message);
    ShowPackProblems(problems, messages);
}

QString PackChangedSinceScan(const QString& pack, const QString& how) {
    return QStringLiteral("%1 has changed since Quadrillo started: %2.").arg(pack, how);
}

QString DescribePackPicture(const QString& pack, int pictureNumber, const QString& title) {
    return title.isEmpty() ? QStringLiteral("Picture %1 of %2").arg(pictureNumber).arg(pack)
                           : QStringLiteral("\"%1\" (picture %2 of %3)")
                                 .arg(title)
                                 .arg(pictureNumber)
                                 .arg(pack);
}
