// qdrpack install and qdrpack list without packs, run from a program
// directory of the test's own, beside a player's folder and a system folder.
#include "PackFiles.h"
#include "QdrpackRun.h"
#include "TestPictures.h"
#include "packs/PackFormat.h"
#include "packs/PackWriter.h"
#include "platform/BmpWriter.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

const QByteArray kBitmap = EncodeBmp24(CoordinatePicture(8, 5));

class QdrpackFoldersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(Program());
        ASSERT_TRUE(QFile::copy(QStringLiteral(QDRPACK_BINARY), Shown(Program() / "qdrpack")));
    }

    Outcome Qdrpack(const QStringList& args) {
        return RunQdrpack(Shown(Program() / "qdrpack"), dir.path(), args);
    }
    fs::path Root() const { return dir.path().toStdString(); }
    fs::path Program() const { return Root() / "program"; }
    fs::path User() const { return Root() / "data" / "Quadrillo" / "packs"; }
    fs::path System() const { return Root() / "system" / "Quadrillo" / "packs"; }
    static QString Shown(const fs::path& path) { return QString::fromStdString(path.string()); }

    // A sound pack of `pictures` pictures, its folder made when missing.
    static void Pack(const fs::path& file, int category, int pictures) {
        fs::create_directories(file.parent_path());
        const std::vector<PackPicture> contents(std::size_t(pictures), {"Picture", kBitmap});
        ASSERT_EQ(WritePack(file, category, contents), QString());
    }
    static bool IsRegularFile(const fs::path& file) {
        return fs::symlink_status(file).type() == fs::file_type::regular;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(QdrpackFoldersTest, InstallCopiesACheckedPackIntoThePlayersFolder) {
    ASSERT_NO_FATAL_FAILURE(Pack(Root() / "holiday.qdr", Misc, 2));
    ASSERT_FALSE(fs::exists(User()));
    const QString installed = Shown(User() / "holiday.qdr");

    Outcome run = Qdrpack({"install", "holiday.qdr"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "holiday.qdr: installed as " + installed + " (2 pictures)\n");
    EXPECT_TRUE(IsRegularFile(User() / "holiday.qdr"));
    EXPECT_EQ(ReadBytes(User() / "holiday.qdr"), ReadBytes(Root() / "holiday.qdr"));

    // Again with other bytes: the pack there is replaced, and the line says so.
    ASSERT_NO_FATAL_FAILURE(Pack(Root() / "holiday.qdr", Misc, 3));
    run = Qdrpack({"install", "holiday.qdr"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "holiday.qdr: replaced " + installed + " (3 pictures)\n");
    EXPECT_EQ(ReadBytes(User() / "holiday.qdr"), ReadBytes(Root() / "holiday.qdr"));

    // The installed file onto itself: nothing to do, and no error.
    const QByteArray before = ReadBytes(User() / "holiday.qdr");
    run = Qdrpack({"install", installed});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, installed + ": already installed as " + installed + " (3 pictures)\n");
    EXPECT_EQ(ReadBytes(User() / "holiday.qdr"), before);

    // A link under the name is replaced by the pack, never written through.
    WriteBytes(Root() / "victim.qdr", "not to be touched");
    fs::create_symlink(Root() / "victim.qdr", User() / "linked.qdr");
    ASSERT_NO_FATAL_FAILURE(Pack(Root() / "linked.qdr", Cartoons, 1));
    run = Qdrpack({"install", "linked.qdr"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "linked.qdr: replaced " + Shown(User() / "linked.qdr") + " (1 pictures)\n");
    EXPECT_TRUE(IsRegularFile(User() / "linked.qdr"));
    EXPECT_EQ(ReadBytes(User() / "linked.qdr"), ReadBytes(Root() / "linked.qdr"));
    EXPECT_EQ(ReadBytes(Root() / "victim.qdr"), "not to be touched");

    // Warnings are told as check tells them, and the pack is installed; the
    // extension may be in any case.
    WriteBytes(Root() / "Tail.QDR",
               "X\x01\x01" + RawRecord("fine", kBitmap.size(), kBitmap) + "abc");
    run = Qdrpack({"install", "Tail.QDR"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Tail.QDR: warning: 3 bytes follow the last picture\n");
    EXPECT_EQ(run.out, "Tail.QDR: installed as " + Shown(User() / "Tail.QDR") + " (1 pictures)\n");
    EXPECT_EQ(ReadBytes(User() / "Tail.QDR"), ReadBytes(Root() / "Tail.QDR"));

    for (const auto& entry : fs::directory_iterator(User()))
        EXPECT_FALSE(entry.path().string().ends_with(".part")) << entry.path();
}

TEST_F(QdrpackFoldersTest, InstallRefusesWhatTheGameWouldNotPlay) {
    const QByteArray good = RawRecord("fine", kBitmap.size(), kBitmap);
    WriteBytes(Root() / "magic.qdr", "Y\x01\x01" + good);
    // Sound in every field, but its picture does not decode: check's own finding.
    WriteBytes(Root() / "text.qdr", "X\x01\x01" + RawRecord("words", 11, "hello world"));
    for (const char* name : {"magic.qdr", "text.qdr"}) {
        const Outcome checked = Qdrpack({"check", name});
        ASSERT_EQ(checked.status, 1) << name;
        const Outcome run = Qdrpack({"install", name});
        EXPECT_EQ(run.status, 1) << name;
        EXPECT_EQ(run.err, checked.err + name + ": not installed\n");
        EXPECT_EQ(run.out, "");
    }

    // Only a name ending in ".qdr" with something before it is a pack's.
    for (const char* name : {"notes.txt", "pack.qdr.bak", ".qdr", "pack.qd"}) {
        WriteBytes(Root() / name, "X\x01\x01" + good);
        const Outcome run = Qdrpack({"install", name});
        EXPECT_EQ(run.status, 1) << name;
        EXPECT_EQ(run.err, QString(name) + ": only files named *.qdr are picture packs\n");
    }

    // A name the program directory holds would never be played: told, not
    // installed. Another case is another name.
    ASSERT_NO_FATAL_FAILURE(Pack(Program() / "same.qdr", Movies, 1));
    ASSERT_NO_FATAL_FAILURE(Pack(Program() / "Other.qdr", Movies, 1));
    ASSERT_NO_FATAL_FAILURE(Pack(Root() / "same.qdr", Misc, 2));
    ASSERT_NO_FATAL_FAILURE(Pack(Root() / "other.qdr", Misc, 2));
    Outcome run = Qdrpack({"install", "same.qdr"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "same.qdr: not installed: " + Shown(Program() / "same.qdr") +
                           " has the same name and is played instead; give the pack another "
                           "name\n");
    EXPECT_FALSE(fs::exists(User() / "same.qdr"));
    EXPECT_FALSE(fs::exists(User()));

    // One refused pack does not stop the others; the status tells.
    run = Qdrpack({"install", "magic.qdr", "other.qdr", "gone.qdr"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "other.qdr: installed as " + Shown(User() / "other.qdr") + " (2 pictures)\n");
    EXPECT_TRUE(run.err.endsWith("qdrpack: Could not open \"gone.qdr\": No such file or "
                                 "directory.\n"))
        << run.err.toStdString();
    EXPECT_TRUE(IsRegularFile(User() / "other.qdr"));
    EXPECT_FALSE(fs::exists(User() / "magic.qdr"));

    // A player's folder that cannot be made is named.
    fs::remove_all(Root() / "data");
    WriteBytes(Root() / "data", "a file where the folder should be");
    run = Qdrpack({"install", "other.qdr"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith("qdrpack: Could not create \"" + Shown(User()) + "\": "))
        << run.err.toStdString();
    EXPECT_EQ(run.out, "");
}

TEST_F(QdrpackFoldersTest, ListWithoutPacksShowsEveryPackTheGamePlays) {
    Outcome run = Qdrpack({"list"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "Put picture packs (.qdr files) in the folder " + Shown(User()) +
                           " and start Quadrillo again.\n");

    ASSERT_NO_FATAL_FAILURE(Pack(Program() / "b.qdr", Misc, 2));
    ASSERT_NO_FATAL_FAILURE(Pack(Program() / "toons.qdr", Cartoons, 1));
    ASSERT_NO_FATAL_FAILURE(Pack(Program() / "same.qdr", Movies, 1));
    ASSERT_NO_FATAL_FAILURE(Pack(User() / "a.qdr", Misc, 3));
    ASSERT_NO_FATAL_FAILURE(Pack(User() / "c.qdr", Misc, 1));
    ASSERT_NO_FATAL_FAILURE(Pack(User() / "same.qdr", Music, 2));
    ASSERT_NO_FATAL_FAILURE(Pack(System() / "d.qdr", Misc, 4));
    ASSERT_NO_FATAL_FAILURE(Pack(System() / "a.qdr", TvShows, 5));
    WriteBytes(System() / "bad.qdr", "Yxx");
    run = Qdrpack({"list"});
    EXPECT_EQ(run.status, 1);
    const QStringList lines = {
        "Cartoons",
        "  1  toons.qdr  1 pictures  " + Shown(Program() / "toons.qdr"),
        "Misc",
        "  1  a.qdr  3 pictures  " + Shown(User() / "a.qdr"),
        "  2  b.qdr  2 pictures  " + Shown(Program() / "b.qdr"),
        "  3  c.qdr  1 pictures  " + Shown(User() / "c.qdr"),
        "  4  d.qdr  4 pictures  " + Shown(System() / "d.qdr"),
        "Movies",
        "  1  same.qdr  1 pictures  " + Shown(Program() / "same.qdr"),
        "not played: " + Shown(System() / "a.qdr") + " (the same name in " + Shown(User()) +
            " comes first)",
        "not played: " + Shown(User() / "same.qdr") + " (the same name in " + Shown(Program()) +
            " comes first)",
    };
    EXPECT_EQ(run.out, lines.join('\n') + '\n');
    EXPECT_EQ(run.err, "qdrpack: bad.qdr: the first byte is not \"X\"; this may not be a picture "
                       "pack\n");

    // Numbers past 9 keep the columns.
    fs::remove(System() / "bad.qdr");
    for (int k = 0; k < 10; ++k)
        ASSERT_NO_FATAL_FAILURE(Pack(System() / ("m" + std::to_string(k) + ".qdr"), Music, 1));
    run = Qdrpack({"list"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out.contains("Music\n  1  m0.qdr  1 pictures  ")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("\n  9  m8.qdr  1 pictures  ")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("\n 10  m9.qdr  1 pictures  ")) << run.out.toStdString();
    EXPECT_FALSE(run.out.contains("Put picture packs"));
}
