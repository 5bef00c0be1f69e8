#include "packs/PackReports.h"

#include "platform/MessageBoxService.h"

QString PackDownloadAddress() {
    return QStringLiteral(QUADRILLO_PACKS_URL);
}

void ShowNoPacksFound(MessageBoxService& messages) {
    messages.Show(QStringLiteral("If you'd like some go to ") + PackDownloadAddress(),
                  QStringLiteral("No picture packs found"));
}

void ShowPackProblems(const PackProblems& problems, MessageBoxService& messages) {
    for (const PackProblem& problem : problems)
        messages.Report(problem.message);
}
