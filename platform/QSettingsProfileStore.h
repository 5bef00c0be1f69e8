#pragma once

#include "platform/ProfileStore.h"

#include <QSettings>

// The store as an INI file: $XDG_CONFIG_HOME/<organisation>/<application>.conf.
class QSettingsProfileStore : public ProfileStore {
  public:
    QSettingsProfileStore(const QString& organisation, const QString& application);

    std::int32_t GetProfileInt(const QString& section, const QString& entry,
                               std::int32_t fallback) override;
    void WriteProfileInt(const QString& section, const QString& entry, std::int32_t value) override;

    QString FileName() const { return settings_.fileName(); }

  private:
    QSettings settings_;
};
