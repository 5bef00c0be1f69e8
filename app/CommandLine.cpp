#include "app/CommandLine.h"

#include <QDir>

CommandLine ParseCommandLine(const QStringList& arguments, const QString& currentDirectory) {
    CommandLine line;
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && argument.size() > 1 && argument.startsWith(QLatin1Char('-'))) {
            if (argument == QLatin1String("-h") || argument == QLatin1String("--help"))
                return {CommandLine::Action::Help, {}, {}};
            if (argument == QLatin1String("--version"))
                return {CommandLine::Action::Version, {}, {}};
            line = {
                CommandLine::Action::Refuse, {}, QStringLiteral("unknown option %1").arg(argument)};
            continue;
        }
        if (line.action == CommandLine::Action::Refuse)
            continue;
        if (!line.picture.isEmpty()) {
            line = {CommandLine::Action::Refuse, {}, QStringLiteral("one picture at most")};
            continue;
        }
        line.picture = QDir(currentDirectory).absoluteFilePath(argument);
    }
    return line;
}

QString UsageText() {
    return QStringLiteral(
        "Usage: quadrillo [PICTURE]\n"
        "\n"
        "A picture-swap puzzle: the picture is cut into tiles and jumbled, and you\n"
        "swap tiles two clicks at a time until it is whole again.\n"
        "\n"
        "Without PICTURE the game plays a picture from the picture packs (.qdr files)\n"
        "beside it. With PICTURE, any image file Qt reads (BMP, PNG, JPEG, GIF and\n"
        "more), it starts on that picture.\n"
        "\n"
        "  -h, --help  show this text\n"
        "  --version   show the version\n");
}

QString VersionText() {
    return QStringLiteral("Quadrillo " QUADRILLO_VERSION "\n");
}
