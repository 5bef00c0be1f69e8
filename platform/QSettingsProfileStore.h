#pragma once

#include "platform/ProfileStore.h"

#include <QHash>
#include <QSettings>

#include <memory>

// The store as an INI file: $XDG_CONFIG_HOME/<organisation>/<application>.conf.
// A file that cannot be read, or holds no settings, is left as it is: the
// store then starts empty and keeps what is written in memory only.
class QSettingsProfileStore : public ProfileStore {
  public:
    QSettingsProfileStore(const QString& organisation, const QString& application);

    std::int32_t GetProfileInt(const QString& section, const QString& entry,
                               std::int32_t fallback) override;
    void WriteProfileInt(const QString& section, const QString& entry, std::int32_t value) override;
    std::optional<FileError> TakeFault() override;

    const QString& FileName() const { return file_; }

  private:
    void Fault(FileError::Operation operation, const char* reason);

    QString file_;
    std::unique_ptr<QSettings> settings_; // none when the file is left alone
    QHash<QString, std::int32_t> memory_;
    std::optional<FileError> fault_;
    bool writeFaultTold_ = false;
};
