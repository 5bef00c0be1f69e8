#include "ToolFiles.h"

#include "ToolErrors.h"
#include "platform/FileLayer.h"

#include <algorithm>
#include <vector>

namespace {

QByteArray ReadFrom(InputFile& in, std::uint64_t offset, std::uint64_t length) {
    const std::uint64_t size = in.Size();
    const std::uint64_t available = offset < size ? std::min(length, size - offset) : 0;
    QByteArray bytes(qsizetype(available), Qt::Uninitialized);
    in.Skip(std::int64_t(offset) - std::int64_t(in.Position()));
    bytes.resize(qsizetype(in.Read(bytes.data(), std::size_t(available))));
    return bytes;
}

} // namespace

QByteArray ReadFileBytes(const std::filesystem::path& file, std::uint64_t offset,
                         std::uint64_t length) {
    InputFile in(file);
    return ReadFrom(in, offset, length);
}

QByteArray ReadWholeFile(const std::filesystem::path& file) {
    InputFile in(file);
    return ReadFrom(in, 0, in.Size());
}

void CopyWhole(const std::filesystem::path& source, const std::filesystem::path& target) {
    const std::filesystem::path part = PartFile(target);
    try {
        InputFile in(source);
        OutputFile out(part);
        std::vector<char> buffer(std::size_t(1) << 16);
        while (const std::size_t got = in.Read(buffer.data(), buffer.size()))
            out.Write(buffer.data(), got);
        out.Close();
    } catch (const FileError&) {
        DiscardFile(part);
        throw;
    }
    ReplaceFile(part, target);
}

void RefuseToReplace(const std::filesystem::path& file, bool force) {
    std::error_code error;
    // A dangling link counts as there: writing would follow it.
    const bool there = std::filesystem::exists(std::filesystem::symlink_status(file, error));
    if (there && !force)
        throw InputError(file.string() + " is there already; add --force to replace it");
}
