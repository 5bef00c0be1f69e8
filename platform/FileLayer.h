#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

// What the file layer raises when a file cannot be opened, created, read,
// written or deleted. The command dispatcher reports it; game code lets it pass.
class FileError : public std::runtime_error {
  public:
    enum class Operation { Open, Create, Read, Write, Remove };

    FileError(Operation operation, std::filesystem::path file, std::string reason);

    Operation What() const { return operation_; }
    const std::filesystem::path& File() const { return file_; }
    const std::string& Reason() const { return reason_; }

  private:
    Operation operation_;
    std::filesystem::path file_;
    std::string reason_;
};

// True when the file can be opened for reading.
bool FileExists(const std::filesystem::path& file);

// Deletes the file; raises FileError when it cannot.
void RemoveFile(const std::filesystem::path& file);
