#pragma once

#include <QString>

#include <string>
#include <vector>

// Mounts a test makes for the games it starts: in a mount namespace of the
// test's own, which those games inherit, so nothing outside the test sees
// them. They are undone when this goes.
class PrivateMounts {
  public:
    PrivateMounts() = default;
    PrivateMounts(const PrivateMounts&) = delete;
    PrivateMounts& operator=(const PrivateMounts&) = delete;
    ~PrivateMounts();

    // False, with the reason, where this process may not make a mount
    // namespace. Fails the test on any other error; use with
    // ASSERT_NO_FATAL_FAILURE.
    void Enter(bool* allowed, std::string* reason);
    // Writable for nobody, root included, as a read-only disk is.
    void MountReadOnly(const QString& folder);
    void MountTmpfs(const QString& folder, const char* options);

  private:
    std::vector<std::string> mounts_;
};
