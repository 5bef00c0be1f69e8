#include "tests/e2e/PrivateMounts.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

PrivateMounts::~PrivateMounts() {
    for (auto mount = mounts_.rbegin(); mount != mounts_.rend(); ++mount)
        ::umount2(mount->c_str(), MNT_DETACH);
}

void PrivateMounts::Enter(bool* allowed, std::string* reason) {
    *allowed = false;
    if (::unshare(CLONE_NEWNS) != 0) {
        if (errno == EPERM) {
            *reason = std::string("cannot make a mount namespace (") + std::strerror(errno) +
                      "): mounting needs CAP_SYS_ADMIN";
            return;
        }
        FAIL() << "unshare(CLONE_NEWNS): " << std::strerror(errno);
    }
    // Otherwise a mount made here could spread back to the whole machine.
    ASSERT_EQ(::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr), 0)
        << std::strerror(errno);
    *allowed = true;
}

void PrivateMounts::MountReadOnly(const QString& folder) {
    const std::string path = QFile::encodeName(folder).toStdString();
    ASSERT_EQ(::mount(path.c_str(), path.c_str(), nullptr, MS_BIND | MS_REC, nullptr), 0)
        << path << ": " << std::strerror(errno);
    mounts_.push_back(path);
    ASSERT_EQ(::mount(nullptr, path.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr), 0)
        << path << ": " << std::strerror(errno);
    ASSERT_NE(::access(path.c_str(), W_OK), 0) << path << " is still writable";
}

void PrivateMounts::MountTmpfs(const QString& folder, const char* options) {
    const std::string path = QFile::encodeName(folder).toStdString();
    ASSERT_EQ(::mount("tmpfs", path.c_str(), "tmpfs", 0, options), 0)
        << path << ": " << std::strerror(errno);
    mounts_.push_back(path);
}
