#pragma once

#include "platform/LittleEndian.h"

#include <QByteArray>

#include <filesystem>
#include <fstream>
#include <string>

// Raw pack bytes for cases the writer rightly refuses to make.
inline QByteArray RawRecord(const std::string& title, std::uint32_t length,
                            const QByteArray& data) {
    QByteArray record;
    record.append(char(title.size()));
    record.append(title.data(), qsizetype(title.size()));
    AppendLittleEndian32(record, length);
    record.append(data);
    return record;
}

inline void WriteBytes(const std::filesystem::path& file, const QByteArray& bytes) {
    std::ofstream(file, std::ios::binary).write(bytes.constData(), bytes.size());
}

inline QByteArray ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(in), {}));
}
