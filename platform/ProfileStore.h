#pragma once

#include "platform/FileLayer.h"

#include <QString>

#include <cstdint>
#include <optional>

// The per-user store of integer settings, by section and entry.
class ProfileStore {
  public:
    virtual ~ProfileStore() = default;
    // The stored value as a 32-bit two's-complement integer, or `fallback`
    // when it is missing or not a number.
    virtual std::int32_t GetProfileInt(const QString& section, const QString& entry,
                                       std::int32_t fallback) = 0;
    virtual void WriteProfileInt(const QString& section, const QString& entry,
                                 std::int32_t value) = 0;
    // A fault the store met reading or writing, handed out once so that it
    // is reported once; the store goes on working in memory meanwhile.
    virtual std::optional<FileError> TakeFault() { return std::nullopt; }
};
