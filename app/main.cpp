#include "app/CommandLine.h"
#include "app/PuzzleApp.h"

#include <QDir>

#include <cstdio>

namespace {

// Help and version need no display, so they are answered before the
// application object exists.
bool Answered(const CommandLine& line) {
    if (line.action == CommandLine::Action::Help)
        std::fputs(UsageText().toLocal8Bit().constData(), stdout);
    else if (line.action == CommandLine::Action::Version)
        std::fputs(VersionText().toLocal8Bit().constData(), stdout);
    else
        return false;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QStringList raw;
    for (int i = 1; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    if (Answered(ParseCommandLine(raw, QDir::currentPath())))
        return 0;

    CPuzzleApp app(argc, argv);
    // Qt has taken its own options (-platform, -display, ...) by now.
    const CommandLine line =
        ParseCommandLine(QCoreApplication::arguments().mid(1), QDir::currentPath());
    if (line.action == CommandLine::Action::Refuse) {
        std::fprintf(stderr, "quadrillo: %s (see quadrillo --help)\n",
                     line.problem.toLocal8Bit().constData());
        return 2;
    }
    if (!app.InitInstance(line.picture))
        return 0;
    return app.Run();
}
