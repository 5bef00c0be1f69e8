#pragma once

#include "platform/ProfileStore.h"

#include <QHash>

// Settings kept in memory, every write counted.
class MemoryProfileStore : public ProfileStore {
  public:
    std::int32_t GetProfileInt(const QString& section, const QString& entry,
                               std::int32_t fallback) override {
        return values.value(section + '/' + entry, fallback);
    }
    void WriteProfileInt(const QString& section, const QString& entry,
                         std::int32_t value) override {
        values[section + '/' + entry] = value;
        ++writes;
    }

    std::optional<FileError> TakeFault() override {
        std::optional<FileError> taken = std::move(fault);
        fault.reset();
        return taken;
    }

    QHash<QString, std::int32_t> values;
    int writes = 0;
    std::optional<FileError> fault; // handed out once, as a real store does
};
