#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

// What the file layer raises when a file cannot be opened, created, read,
// written or deleted. The command dispatcher reports it; game code lets it pass.
class FileError : public std::runtime_error {
  public:
    enum class Operation { Open, Create, Read, Seek, Write, Remove };

    FileError(Operation operation, std::filesystem::path file, std::string reason);

    Operation What() const { return operation_; }
    const std::filesystem::path& File() const { return file_; }
    const std::string& Reason() const { return reason_; }

  private:
    Operation operation_;
    std::filesystem::path file_;
    std::string reason_;
};

// Why a name is refused when it stands for a pipe, a socket, a device or a
// directory: such a file is never opened for reading or writing.
inline constexpr const char* kNotARegularFile = "it is not a regular file";

// Deletes a working file if it is there. A symbolic link in its place is
// deleted itself, never followed; anything else that is not a regular file is
// left alone and raises FileError, as does a failed delete.
void RemoveWorkingFile(const std::filesystem::path& file);

// The name a file is written under until it is whole: "<file>.part".
std::filesystem::path PartFile(const std::filesystem::path& file);

// Puts the whole file `part` in the place of `file` in one step, so nobody
// ever reads half of it. What stood there goes if it was a regular file or a
// link; anything else stays and raises FileError. On any failure `part` is
// deleted and FileError names `file`.
void ReplaceFile(const std::filesystem::path& part, const std::filesystem::path& file);

// Deletes the file or link if it is there, for clearing up after a failure;
// never raises, and leaves anything else alone.
void DiscardFile(const std::filesystem::path& file);

// The names in a directory, without "." and "..", in no particular order;
// nothing when it cannot be listed.
struct DirectoryEntry {
    std::string name;
    bool isDirectory = false;
};
std::vector<DirectoryEntry> ListDirectory(const std::filesystem::path& directory);

// A directory held open, so that its files are opened by name without the
// kernel walking the directory's path again for each one.
class DirectoryHandle {
  public:
    // One that cannot be opened lists nothing, as ListDirectory does.
    explicit DirectoryHandle(const std::filesystem::path& directory);
    ~DirectoryHandle();
    DirectoryHandle(const DirectoryHandle&) = delete;
    DirectoryHandle& operator=(const DirectoryHandle&) = delete;

    bool IsOpen() const { return descriptor_ >= 0; }
    // The errno of an open that failed; 0 when it is open.
    int OpenError() const { return openError_; }
    const std::filesystem::path& Path() const { return path_; }

    // As ListDirectory; every call lists the whole directory again.
    std::vector<DirectoryEntry> List();

    // Opens the file `name` in the directory, reads up to `size` bytes from
    // its start and closes it; fewer bytes only when the file is shorter.
    // Never waits on a file that is not a regular one, such as a pipe.
    // Raises FileError naming the file's full path, also when the directory
    // itself could not be opened.
    std::size_t ReadStart(const std::string& name, void* buffer, std::size_t size) const;

  private:
    std::filesystem::path path_;
    int descriptor_ = -1;
    int openError_ = 0; // errno of the failed open
};

// Bytes read through InputFile and DirectoryHandle by the whole process, for
// measuring readers.
std::uint64_t TotalBytesRead();

// A regular file opened for reading, unbuffered: every byte asked for is a
// byte read from the file, and nothing more. Opening never waits, and a file
// that is not a regular one (a pipe, a device) raises FileError.
class InputFile {
  public:
    explicit InputFile(const std::filesystem::path& file); // raises FileError
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Reads up to `size` bytes; fewer only at the end of the file.
    std::size_t Read(void* buffer, std::size_t size);
    // Moves forward (or back) from the current position; may pass the end.
    void Skip(std::int64_t offset);
    std::uint64_t Size() const;
    std::uint64_t Position() const { return position_; }
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
    int descriptor_ = -1;
    std::uint64_t position_ = 0;
};

// A file created afresh for writing. A regular file or a link standing under
// the name is deleted first, so nothing is ever written through a link or
// into a file that was there; anything else there raises FileError.
class OutputFile {
  public:
    explicit OutputFile(const std::filesystem::path& file); // raises FileError
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void Write(const void* data, std::size_t size); // raises FileError
    // Makes the file `size` bytes long; bytes never written read as zeros.
    void ExtendTo(std::uint64_t size);
    // Flushes and closes; raises FileError if the data did not reach the file.
    void Close();

  private:
    std::filesystem::path path_;
    int descriptor_ = -1;
};
