#include "platform/QSettingsProfileStore.h"

QSettingsProfileStore::QSettingsProfileStore(const QString& organisation,
                                             const QString& application)
    : settings_(QSettings::NativeFormat, QSettings::UserScope, organisation, application) {}

std::int32_t QSettingsProfileStore::GetProfileInt(const QString& section, const QString& entry,
                                                  std::int32_t fallback) {
    const QVariant value = settings_.value(section + '/' + entry);
    if (!value.isValid())
        return fallback;
    bool number = false;
    const qlonglong read = value.toString().trimmed().toLongLong(&number);
    // Stored as 32 bits: 4294967295 is -1, and anything wider is no value.
    if (!number || read < INT32_MIN || read > qlonglong(UINT32_MAX))
        return fallback;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(read));
}

void QSettingsProfileStore::WriteProfileInt(const QString& section, const QString& entry,
                                            std::int32_t value) {
    settings_.setValue(section + '/' + entry, value);
    settings_.sync();
}
