#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// One game per folder (its program directory, or its working folder): a lock
// in the per-user runtime folder, keyed by the folder. The system frees it
// when the holder dies, so a crashed game never blocks the next start.
class InstanceLock {
  public:
    // `runtimeFolder` empty: the user's runtime folder.
    explicit InstanceLock(const QString& folder, const QString& runtimeFolder = {});

    // False when another live process holds the lock for this folder.
    bool Acquire();
    QString LockFileName() const { return fileName_; }

  private:
    QString fileName_;
    std::unique_ptr<QLockFile> lock_;
};
