#pragma once

#include <stdexcept>
#include <string>

// The command line is wrong: exit status 2, with a pointer to the command's help.
class UsageError : public std::runtime_error {
  public:
    UsageError(std::string command, const std::string& message)
        : std::runtime_error(message), command_(std::move(command)) {}
    // The command whose help explains the mistake; empty for the tool's own.
    const std::string& Command() const { return command_; }

  private:
    std::string command_;
};

// The input is refused (a file, a title, a picture): exit status 1.
class InputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
