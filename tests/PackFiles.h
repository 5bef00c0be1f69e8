#pragma once

#include "packs/PackCatalogue.h"
#include "platform/LittleEndian.h"

#include <QByteArray>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

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

// The file names the game takes from `folders`, in the catalogue's order.
inline std::vector<std::string> TakenNames(const std::vector<std::filesystem::path>& folders) {
    std::vector<std::string> names;
    for (const PackFiles::File& file : FindPackFiles(folders).taken)
        names.push_back(file.name);
    return names;
}
