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
    for (const auto& [size, expected] :
         {std::pair<std::size_t, std::string>{2, "ab---"}, {3, "abc--"}, {4, "abc--"}}) {
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
    EXPECT_EQ(std::string(absent.what()), "Could not open \"" + (Dir() / "absent").string() +
                                              "\": " + std::strerror(ENOENT) + ".");

    // A directory is no file to read.
    const FileError folder = ReadError(handle, "folder");
    EXPECT_EQ(folder.What(), FileError::Operation::Open);
    EXPECT_EQ(folder.File(), Dir() / "folder");
    EXPECT_EQ(folder.Reason(), kNotARegularFile);
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
    try {
        reading.get();
        ADD_FAILURE() << "a pipe was read";
    } catch (const FileError& error) {
        EXPECT_EQ(error.File(), pipe);
        EXPECT_EQ(error.Reason(), kNotARegularFile);
    }
}

TEST(WorkingFiles, OnlyRegularFilesAreReadAndNothingElseWaitsOrIsRead) {
    QTemporaryDir dir;
    const std::filesystem::path folder = dir.path().toStdString();
    const std::filesystem::path pipe = folder / "pipe.bmp";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::filesystem::create_directory(folder / "folder.bmp");
    std::filesystem::create_symlink("/dev/zero", folder / "zero.bmp");
    for (const auto& file : {pipe, folder / "folder.bmp", folder / "zero.bmp"}) {
        auto opening = std::async(std::launch::async, [&] { InputFile in(file); });
        const bool finished =
            opening.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
        if (!finished)
            ::close(::open(pipe.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
        ASSERT_TRUE(finished) << file;
        try {
            opening.get();
            ADD_FAILURE() << file << " was opened";
        } catch (const FileError& error) {
            EXPECT_EQ(error.What(), FileError::Operation::Open);
            EXPECT_EQ(error.Reason(), kNotARegularFile) << file;
        }
    }
    // A link to a regular file is read as the file.
    WriteBytes(folder / "real.bmp", "BM");
    std::filesystem::create_symlink(folder / "real.bmp", folder / "link.bmp");
    char got[4] = {};
    EXPECT_EQ(InputFile(folder / "link.bmp").Read(got, sizeof got), 2u);
}

TEST(WorkingFiles, WritesNeverGoThroughALinkOrIntoAFileThatWasThere) {
    QTemporaryDir dir;
    const std::filesystem::path folder = dir.path().toStdString();
    const std::filesystem::path victim = folder / "victim", out = folder / "out.bmp";
    WriteBytes(victim, "keep me");
    std::filesystem::create_symlink(victim, out);
    std::filesystem::create_hard_link(victim, folder / "hard.bmp");
    for (const auto& file : {out, folder / "hard.bmp"}) {
        OutputFile written(file);
        written.Write("new", 3);
        written.Close();
        EXPECT_EQ(ReadBytes(file), "new");
        EXPECT_FALSE(std::filesystem::is_symlink(file));
    }
    EXPECT_EQ(ReadBytes(victim), "keep me");

    // Replacing puts the part in the file's place, a link's too.
    std::filesystem::remove(out);
    std::filesystem::create_symlink(victim, out);
    const std::filesystem::path part = PartFile(out);
    EXPECT_EQ(part, folder / "out.bmp.part");
    WriteBytes(part, "whole");
    ReplaceFile(part, out);
    EXPECT_EQ(ReadBytes(out), "whole");
    EXPECT_FALSE(std::filesystem::exists(part));
    EXPECT_EQ(ReadBytes(victim), "keep me");

    // A directory or a pipe under the name stays, and the part goes.
    const std::filesystem::path pipe = folder / "pipe.bmp";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::filesystem::create_directory(folder / "folder.bmp");
    for (const auto& file : {pipe, folder / "folder.bmp"}) {
        EXPECT_THROW(OutputFile{file}, FileError) << file;
        WriteBytes(PartFile(file), "whole");
        try {
            ReplaceFile(PartFile(file), file);
            ADD_FAILURE() << file << " was replaced";
        } catch (const FileError& error) {
            EXPECT_EQ(error.File(), file);
            EXPECT_EQ(error.Reason(), kNotARegularFile);
        }
        EXPECT_FALSE(std::filesystem::exists(PartFile(file))) << file;
    }
    EXPECT_EQ(std::filesystem::symlink_status(pipe).type(), std::filesystem::file_type::fifo);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "folder.bmp"));
}

TEST(WorkingFiles, RemovingDeletesAFileOrALinkItselfAndNothingElse) {
    QTemporaryDir dir;
    const std::filesystem::path folder = dir.path().toStdString();
    const std::filesystem::path victim = folder / "victim";
    WriteBytes(victim, "keep me");
    WriteBytes(folder / "plain.bmp", "x");
    std::filesystem::create_symlink(victim, folder / "link.bmp");
    std::filesystem::create_symlink(folder / "nowhere", folder / "dangling.bmp");
    for (const char* name : {"plain.bmp", "link.bmp", "dangling.bmp", "absent.bmp"}) {
        EXPECT_NO_THROW(RemoveWorkingFile(folder / name)) << name;
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(folder / name)))
            << name;
    }
    EXPECT_EQ(ReadBytes(victim), "keep me");

    // An empty directory would go with remove(); it must stay, as must a pipe.
    std::filesystem::create_directory(folder / "folder.bmp");
    ASSERT_EQ(::mkfifo((folder / "pipe.bmp").c_str(), 0600), 0);
    for (const char* name : {"folder.bmp", "pipe.bmp"}) {
        try {
            RemoveWorkingFile(folder / name);
            ADD_FAILURE() << name << " was removed";
        } catch (const FileError& error) {
            EXPECT_EQ(std::string(error.what()), "Could not delete \"" + (folder / name).string() +
                                                     "\": it is not a regular file.");
        }
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(folder / name)))
            << name;
    }
}
