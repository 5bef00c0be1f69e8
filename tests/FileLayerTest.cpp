#include "platform/FileLayer.h"
#include "PackFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class DirectoryHandleTest : public ::testing::Test {
  protected:
    std::filesystem::path Dir() const { return dir.path().toStdString(); }

    // The FileError that reading the start of `name` raises.
    FileError ReadError(const DirectoryHandle& handle, const std::string& name) {
        unsigned char buffer[4];
        try {
            handle.ReadStart(name, buffer, sizeof buffer);
        } catch (const FileError& error) {
            return error;
        }
        ADD_FAILURE() << name << " was read";
        return FileError(FileError::Operation::Remove, {}, {});
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(DirectoryHandleTest, ReadsUpToTheEndAndNoFurther) {
    WriteBytes(Dir() / "abc", "abc");
    WriteBytes(Dir() / "empty", "");
    const DirectoryHandle handle(Dir());
    ASSERT_TRUE(handle.IsOpen());

    // Short of the end, at it and past it; bytes past the file stay as they were.
    for (const auto& [size, expected] : {std::pair<std::size_t, std::string>{2, "ab---"},
                                         {3, "abc--"},
                                         {4, "abc--"}}) {
        char buffer[6] = "-----";
        const std::uint64_t before = TotalBytesRead();
        EXPECT_EQ(handle.ReadStart("abc", buffer, size), std::min<std::size_t>(size, 3)) << size;
        EXPECT_EQ(TotalBytesRead() - before, std::min<std::size_t>(size, 3)) << size;
        EXPECT_EQ(std::string(buffer), expected) << size;
    }
    char buffer[2] = {'x', 'y'};
    EXPECT_EQ(handle.ReadStart("empty", buffer, sizeof buffer), 0u);
    EXPECT_EQ(buffer[0], 'x');
    // Each read starts again from the first byte.
    EXPECT_EQ(handle.ReadStart("abc", buffer, 1), 1u);
    EXPECT_EQ(handle.ReadStart("abc", buffer + 1, 1), 1u);
    EXPECT_EQ(std::string(buffer, 2), "aa");
}

TEST_F(DirectoryHandleTest, FailuresNameTheFileAndTheReason) {
    std::filesystem::create_directory(Dir() / "folder");
    const DirectoryHandle handle(Dir());

    const FileError absent = ReadError(handle, "absent");
    EXPECT_EQ(absent.What(), FileError::Operation::Open);
    EXPECT_EQ(absent.File(), Dir() / "absent");
    EXPECT_EQ(absent.Reason(), std::strerror(ENOENT));
    EXPECT_EQ(std::string(absent.what()),
              "Could not open \"" + (Dir() / "absent").string() + "\": " + std::strerror(ENOENT) +
                  ".");

    // A directory opens, but cannot be read.
    const FileError folder = ReadError(handle, "folder");
    EXPECT_EQ(folder.What(), FileError::Operation::Read);
    EXPECT_EQ(folder.File(), Dir() / "folder");
    EXPECT_EQ(folder.Reason(), std::strerror(EISDIR));
}

TEST_F(DirectoryHandleTest, AMissingDirectoryListsNothingAndReadsNothing) {
    WriteBytes(Dir() / "plain", "not a directory");
    for (const char* name : {"gone", "plain"}) {
        DirectoryHandle handle(Dir() / name);
        EXPECT_FALSE(handle.IsOpen()) << name;
        EXPECT_TRUE(handle.List().empty()) << name;
        EXPECT_EQ(ReadError(handle, "x").File(), Dir() / name / "x") << name;
    }
    EXPECT_EQ(ReadError(DirectoryHandle(Dir() / "gone"), "x").Reason(), std::strerror(ENOENT));
    EXPECT_EQ(ReadError(DirectoryHandle(Dir() / "plain"), "x").Reason(), std::strerror(ENOTDIR));
}

TEST_F(DirectoryHandleTest, ListsEveryNameButTheTwoDotEntries) {
    for (const char* name : {".hidden", "..twice", "...", "plain"})
        WriteBytes(Dir() / name, "x");
    std::filesystem::create_directory(Dir() / "folder");
    std::filesystem::create_directory_symlink(Dir() / "folder", Dir() / "link");

    DirectoryHandle handle(Dir());
    for (int pass = 0; pass < 2; ++pass) { // a second listing is whole again
        std::vector<DirectoryEntry> entries = handle.List();
        std::sort(entries.begin(), entries.end(),
                  [](const auto& a, const auto& b) { return a.name < b.name; });
        std::vector<std::pair<std::string, bool>> seen;
        for (const DirectoryEntry& entry : entries)
            seen.emplace_back(entry.name, entry.isDirectory);
        EXPECT_EQ(seen, (std::vector<std::pair<std::string, bool>>{{"...", false},
                                                                     {"..twice", false},
                                                                     {".hidden", false},
                                                                     {"folder", true},
                                                                     {"link", false},
                                                                     {"plain", false}}));
    }
    EXPECT_EQ(ListDirectory(Dir()).size(), 6u);
}

TEST_F(DirectoryHandleTest, APipeIsNeverWaitedOn) {
    const std::filesystem::path pipe = Dir() / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const DirectoryHandle handle(Dir());
    unsigned char buffer[3] = {};
    auto reading = std::async(std::launch::async,
                              [&] { return handle.ReadStart("pipe", buffer, sizeof buffer); });
    const bool finished = reading.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    if (!finished) // a writer lets a waiting open go on, so the test fails rather than hangs
        ::close(::open(pipe.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    ASSERT_TRUE(finished);
    EXPECT_EQ(reading.get(), 0u);
}
