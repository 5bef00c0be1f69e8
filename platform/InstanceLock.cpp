#include "platform/InstanceLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString LockFolder(const QString& runtimeFolder) {
    if (!runtimeFolder.isEmpty())
        return runtimeFolder;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

} // namespace

InstanceLock::InstanceLock(const QString& folder, const QString& runtimeFolder) {
    // The same folder reached by another path is the same game.
    const QFileInfo info(folder);
    const QString canonical =
        info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
    const QByteArray key =
        QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    fileName_ = QDir(LockFolder(runtimeFolder))
                    .filePath(QStringLiteral("quadrillo-%1.lock").arg(QString::fromLatin1(key)));
}

bool InstanceLock::Acquire() {
    lock_ = std::make_unique<QLockFile>(fileName_);
    // Stale only when its holder is gone, however long a game runs.
    lock_->setStaleLockTime(0);
    // A lock whose holder died is taken over.
    return lock_->tryLock(0);
}
