#pragma once

// Runs the real qdrpack binary as a user would, with pack folders of the
// test's own, so packs installed on the machine never show.
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct Outcome {
    int status = -1; // -1 when the tool crashed or hung
    QString out, err;
    QStringList ErrLines() const { return err.split('\n', Qt::SkipEmptyParts); }
};

// `binary` runs in `folder`; the player's data folder is folder/data, the
// system's folder/system.
inline Outcome RunQdrpack(const QString& binary, const QString& folder, const QStringList& args) {
    QProcess process;
    process.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), QDir(folder).filePath("data"));
    environment.insert(QStringLiteral("XDG_DATA_DIRS"), QDir(folder).filePath("system"));
    process.setProcessEnvironment(environment);
    process.start(binary, args);
    Outcome run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
