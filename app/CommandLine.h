#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for: a game, on a picture of the player's or
// on one from the packs, or a text to print.
struct CommandLine {
    enum class Action { Play, Help, Version, Refuse };
    Action action = Action::Play;
    QString picture; // absolute; empty: a picture from the packs
    QString problem; // why the command line is refused
};

// `arguments` without the program's name. A relative picture path is taken
// from `currentDirectory`; "--" ends the options, so a file may start with "-".
CommandLine ParseCommandLine(const QStringList& arguments, const QString& currentDirectory);

QString UsageText();
QString VersionText();
