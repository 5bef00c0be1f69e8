#include "platform/FileLayer.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<std::uint64_t> totalBytesRead{0};

std::string Describe(FileError::Operation operation, const std::filesystem::path& file,
                     const std::string& reason) {
    const char* verb = "open";
    switch (operation) {
    case FileError::Operation::Open:
        verb = "open";
        break;
    case FileError::Operation::Create:
        verb = "create";
        break;
    case FileError::Operation::Read:
        verb = "read";
        break;
    case FileError::Operation::Seek:
        verb = "move within";
        break;
    case FileError::Operation::Write:
        verb = "write";
        break;
    case FileError::Operation::Remove:
        verb = "delete";
        break;
    }
    return "Could not " + std::string(verb) + " \"" + file.string() + "\": " + reason + ".";
}

} // namespace

FileError::FileError(Operation operation, std::filesystem::path file, std::string reason)
    : std::runtime_error(Describe(operation, file, reason)), operation_(operation),
      file_(std::move(file)), reason_(std::move(reason)) {}

namespace {

enum class EntryKind { Missing, Replaceable, Other };

// A regular file or a symbolic link is the game's to replace or delete.
EntryKind KindOf(const std::filesystem::path& file, FileError::Operation operation) {
    struct stat info {};
    if (::lstat(file.c_str(), &info) != 0) {
        if (errno == ENOENT)
            return EntryKind::Missing;
        throw FileError(operation, file, std::strerror(errno));
    }
    return S_ISREG(info.st_mode) || S_ISLNK(info.st_mode) ? EntryKind::Replaceable
                                                          : EntryKind::Other;
}

// Raises FileError unless the open descriptor is a regular file; closes it then.
// `file()` names it, called only then: a scan of many packs would otherwise
// spend more on building paths than on reading them.
template <typename NameFile> void RequireRegularFile(int descriptor, const NameFile& file) {
    struct stat info {};
    const bool known = ::fstat(descriptor, &info) == 0;
    if (known && S_ISREG(info.st_mode))
        return;
    const std::string reason = known ? kNotARegularFile : std::strerror(errno);
    ::close(descriptor);
    throw FileError(FileError::Operation::Open, file(), reason);
}

} // namespace

void RemoveWorkingFile(const std::filesystem::path& file) {
    switch (KindOf(file, FileError::Operation::Remove)) {
    case EntryKind::Missing:
        return;
    case EntryKind::Other:
        throw FileError(FileError::Operation::Remove, file, kNotARegularFile);
    case EntryKind::Replaceable:
        if (::unlink(file.c_str()) != 0 && errno != ENOENT)
            throw FileError(FileError::Operation::Remove, file, std::strerror(errno));
    }
}

std::filesystem::path PartFile(const std::filesystem::path& file) {
    std::filesystem::path part = file;
    part += ".part";
    return part;
}

void ReplaceFile(const std::filesystem::path& part, const std::filesystem::path& file) {
    try {
        if (KindOf(file, FileError::Operation::Write) == EntryKind::Other)
            throw FileError(FileError::Operation::Write, file, kNotARegularFile);
        // rename() replaces a link itself, never what it points to.
        if (::rename(part.c_str(), file.c_str()) != 0)
            throw FileError(FileError::Operation::Write, file, std::strerror(errno));
    } catch (const FileError&) {
        DiscardFile(part);
        throw;
    }
}

void DiscardFile(const std::filesystem::path& file) {
    try {
        if (KindOf(file, FileError::Operation::Remove) == EntryKind::Replaceable)
            ::unlink(file.c_str());
    } catch (const FileError&) {
    }
}

std::vector<DirectoryEntry> ListDirectory(const std::filesystem::path& directory) {
    return DirectoryHandle(directory).List();
}

DirectoryHandle::DirectoryHandle(const std::filesystem::path& directory) : path_(directory) {
    descriptor_ = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor_ < 0)
        openError_ = errno;
}

DirectoryHandle::~DirectoryHandle() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

std::vector<DirectoryEntry> DirectoryHandle::List() {
    std::vector<DirectoryEntry> entries;
    // A descriptor of its own, so listing never moves ours; closedir closes it.
    const int own =
        descriptor_ < 0 ? -1 : ::openat(descriptor_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* listing = own < 0 ? nullptr : ::fdopendir(own);
    if (!listing) {
        if (own >= 0)
            ::close(own);
        return entries;
    }
    while (const dirent* entry = ::readdir(listing)) {
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        bool isDirectory = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN) { // some file systems do not say
            struct stat info {};
            isDirectory = ::fstatat(own, name, &info, 0) == 0 && S_ISDIR(info.st_mode);
        }
        entries.push_back({name, isDirectory});
    }
    ::closedir(listing);
    return entries;
}

std::size_t DirectoryHandle::ReadStart(const std::string& name, void* buffer,
                                       std::size_t size) const {
    if (descriptor_ < 0)
        throw FileError(FileError::Operation::Open, path_ / name, std::strerror(openError_));
    // Without O_NONBLOCK, opening a pipe would wait for a writer.
    const int in = ::openat(descriptor_, name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0)
        throw FileError(FileError::Operation::Open, path_ / name, std::strerror(errno));
    RequireRegularFile(in, [&] { return path_ / name; });
    auto* out = static_cast<unsigned char*>(buffer);
    std::size_t total = 0;
    while (total < size) {
        const ssize_t got = ::read(in, out + total, size - total);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            ::close(in);
            throw FileError(FileError::Operation::Read, path_ / name, std::strerror(error));
        }
        if (got == 0)
            break;
        total += std::size_t(got);
    }
    ::close(in);
    totalBytesRead += total;
    return total;
}

std::uint64_t TotalBytesRead() {
    return totalBytesRead;
}

InputFile::InputFile(const std::filesystem::path& file) : path_(file) {
    // Without O_NONBLOCK, opening a pipe would wait for a writer.
    descriptor_ = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor_ < 0)
        throw FileError(FileError::Operation::Open, file, std::strerror(errno));
    RequireRegularFile(descriptor_, [&] { return file; });
}

InputFile::~InputFile() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

std::size_t InputFile::Read(void* buffer, std::size_t size) {
    auto* out = static_cast<unsigned char*>(buffer);
    std::size_t total = 0;
    while (total < size) {
        const ssize_t got = ::read(descriptor_, out + total, size - total);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw FileError(FileError::Operation::Read, path_, std::strerror(errno));
        if (got == 0)
            break;
        total += std::size_t(got);
    }
    position_ += total;
    totalBytesRead += total;
    return total;
}

void InputFile::Skip(std::int64_t offset) {
    const off_t moved = ::lseek(descriptor_, off_t(offset), SEEK_CUR);
    if (moved < 0)
        throw FileError(FileError::Operation::Seek, path_, std::strerror(errno));
    position_ = std::uint64_t(moved);
}

std::uint64_t InputFile::Size() const {
    struct stat info {};
    if (::fstat(descriptor_, &info) != 0)
        throw FileError(FileError::Operation::Read, path_, std::strerror(errno));
    return std::uint64_t(info.st_size);
}

OutputFile::OutputFile(const std::filesystem::path& file) : path_(file) {
    if (KindOf(file, FileError::Operation::Create) == EntryKind::Other)
        throw FileError(FileError::Operation::Create, file, kNotARegularFile);
    if (::unlink(file.c_str()) != 0 && errno != ENOENT)
        throw FileError(FileError::Operation::Create, file, std::strerror(errno));
    // Whatever appears under the name meanwhile is refused, not written into.
    descriptor_ = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (descriptor_ < 0)
        throw FileError(FileError::Operation::Create, file, std::strerror(errno));
}

OutputFile::~OutputFile() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

void OutputFile::Write(const void* data, std::size_t size) {
    const auto* in = static_cast<const unsigned char*>(data);
    while (size > 0) {
        const ssize_t put = ::write(descriptor_, in, size);
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            throw FileError(FileError::Operation::Write, path_, std::strerror(errno));
        in += put;
        size -= std::size_t(put);
    }
}

void OutputFile::ExtendTo(std::uint64_t size) {
    if (::ftruncate(descriptor_, off_t(size)) != 0)
        throw FileError(FileError::Operation::Write, path_, std::strerror(errno));
}

void OutputFile::Close() {
    if (descriptor_ < 0)
        return;
    const int result = ::close(descriptor_);
    descriptor_ = -1;
    if (result != 0)
        throw FileError(FileError::Operation::Write, path_, std::strerror(errno));
}
