#include "packs/PackCatalogue.h"
#include "PackFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PackCatalogueTest : public ::testing::Test {
  protected:
    void Header(const std::string& name, char first, char category, char count) {
        QByteArray bytes;
        bytes.append(first).append(category).append(count).append("records are not read");
        WriteBytes(Dir() / name, bytes);
    }
    std::filesystem::path Dir() const { return dir.path().toStdString(); }
    QTemporaryDir dir;
    PackCatalogue catalogue;
};

} // namespace

TEST_F(PackCatalogueTest, NoPacksLeavesEverythingZero) {
    WriteBytes(Dir() / "readme.txt", "X\x01\x05");
    EXPECT_TRUE(ScanPacks(catalogue, {Dir()}).empty());
    for (int c = 0; c < kCategoryCount; ++c) {
        EXPECT_EQ(catalogue.packCount[c], 0);
        EXPECT_EQ(catalogue.pictureTotal[c], 0);
        EXPECT_TRUE(catalogue.packs[c].empty());
    }
}

TEST_F(PackCatalogueTest, SortsIntoCategoriesInAFixedOrder) {
    Header("b-misc.qdr", 'X', 1, 12);
    Header("A-misc.QDR", 'X', 1, 10);
    Header("empty.qdr", 'X', 4, 0);
    Header("seven.qdr", 'X', 7, 3);
    Header("why.qdr", 'Y', 2, 3);
    Header("negative.qdr", 'X', 2, char(0x80));
    WriteBytes(Dir() / "tiny.qdr", "X\x01");

    const PackProblems problems = ScanPacks(catalogue, {Dir()});
    EXPECT_EQ(catalogue.packCount[1], 2);
    EXPECT_EQ(catalogue.pictureTotal[1], 22);
    EXPECT_EQ(catalogue.packs[1][0].path, Dir() / "A-misc.QDR");
    EXPECT_EQ(catalogue.packs[1][1].path, Dir() / "b-misc.qdr");
    EXPECT_EQ(catalogue.packs[1][1].pictures, 12);
    EXPECT_EQ(catalogue.packCount[4], 1); // a pack of no pictures still counts
    EXPECT_EQ(catalogue.pictureTotal[4], 0);
    EXPECT_EQ(catalogue.packCount[2], 0);

    // Category 7 is skipped without a word; the others are named.
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].kind, PackProblem::Kind::Refused);
    EXPECT_TRUE(problems[0].message.startsWith("negative.qdr "));
    EXPECT_TRUE(problems[1].message.startsWith("tiny.qdr "));
    EXPECT_EQ(problems[2], (PackProblem{PackProblem::Kind::BadMagic, "why.qdr"}));
}

TEST_F(PackCatalogueTest, HasNoFixedTablesToOverflow) {
    const std::string longName(60, 'n');
    for (int k = 0; k < 60; ++k)
        Header(longName + std::to_string(100 + k) + ".qdr", 'X', 3, 2);
    EXPECT_TRUE(ScanPacks(catalogue, {Dir()}).empty());
    EXPECT_EQ(catalogue.packCount[3], 60);
    EXPECT_EQ(catalogue.pictureTotal[3], 120);
    EXPECT_EQ(catalogue.packs[3][59].path, Dir() / (longName + "159.qdr"));
}

TEST_F(PackCatalogueTest, ListsPackFilesCaseBlindThenByteOrder) {
    for (const char* name : {"b.qdr", "a.qdr", "A.QDR", "c.Qdr", "notes.qdr.txt", "x.qd"})
        WriteBytes(Dir() / name, "X");
    std::filesystem::create_directory(Dir() / "folder.qdr");
    EXPECT_EQ(TakenNames({Dir()}), (std::vector<std::string>{"A.QDR", "a.qdr", "b.qdr", "c.Qdr"}));
}

TEST_F(PackCatalogueTest, OrdersPunctuationAndHighBytesAsLoweredBytes) {
    // '_' lies between the capitals and the small letters, bytes past 0x7f
    // after all ASCII, and a name that is another's start comes first.
    for (const char* name :
         {"AB.qdr", "A_.qdr", "\xc3\xa9.qdr", "z.qdr", "A.qdr", "a.QDR", ".qdr", "Ab.qdr"})
        WriteBytes(Dir() / name, "X");
    EXPECT_EQ(TakenNames({Dir()}), (std::vector<std::string>{"A.qdr", "a.QDR", "A_.qdr", "AB.qdr",
                                                             "Ab.qdr", "z.qdr", "\xc3\xa9.qdr"}));
}

TEST_F(PackCatalogueTest, FilesThatCannotBeReadAreReportedByPath) {
    Header("good.qdr", 'X', 0, 4);
    std::filesystem::create_directory(Dir() / "folder");
    std::filesystem::create_directory_symlink(Dir() / "folder", Dir() / "folder.qdr");
    std::filesystem::create_symlink(Dir() / "nowhere", Dir() / "gone.qdr");

    const PackProblems problems = ScanPacks(catalogue, {Dir()});
    EXPECT_EQ(catalogue.packCount[0], 1);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0], (PackProblem{PackProblem::Kind::Refused,
                                        QString::fromStdString("Could not open \"" +
                                                               (Dir() / "folder.qdr").string() +
                                                               "\": it is not a regular file.")}));
    EXPECT_EQ(problems[1], (PackProblem{PackProblem::Kind::Refused,
                                        QString::fromStdString("Could not open \"" +
                                                               (Dir() / "gone.qdr").string() +
                                                               "\": No such file or directory.")}));
}

namespace {

// A program directory, the player's folder and a system folder, as the
// game reads them.
class MergedPacksTest : public PackCatalogueTest {
  protected:
    void SetUp() override {
        for (const auto& folder : {Program(), User(), System()})
            std::filesystem::create_directories(folder);
    }
    std::filesystem::path Program() const { return Dir() / "program"; }
    std::filesystem::path User() const { return Dir() / "data" / "Quadrillo" / "packs"; }
    std::filesystem::path System() const { return Dir() / "share" / "Quadrillo" / "packs"; }
    std::vector<std::filesystem::path> Folders() const { return {Program(), User(), System()}; }
    void Pack(const std::filesystem::path& file, char category, char count) {
        WriteBytes(file, QByteArray("X") + category + count);
    }
    std::vector<std::filesystem::path> Paths(int category) const {
        std::vector<std::filesystem::path> paths;
        for (const PackEntry& pack : catalogue.packs[category])
            paths.push_back(pack.path);
        return paths;
    }
};

} // namespace

TEST_F(MergedPacksTest, AllFoldersMakeOneOrderAndTheFirstFolderWinsAName) {
    Pack(Program() / "b.qdr", Misc, 2);
    Pack(User() / "a.qdr", Misc, 1);
    Pack(User() / "c.qdr", Misc, 3);
    // The same name thrice: the program's wins over both, the player's over the system's.
    Pack(Program() / "same.qdr", Movies, 4);
    Pack(User() / "same.qdr", Misc, 5);
    Pack(System() / "same.qdr", Misc, 6);
    Pack(User() / "mine.qdr", Music, 7);
    Pack(System() / "mine.qdr", Music, 8);
    // Names apart only in case are two packs.
    Pack(User() / "Case.qdr", TvShows, 9);
    Pack(System() / "case.qdr", TvShows, 10);
    // A folder is no pack, and hides none.
    std::filesystem::create_directory(Program() / "dir.qdr");
    Pack(User() / "dir.qdr", Cartoons, 11);

    EXPECT_TRUE(ScanPacks(catalogue, Folders()).empty());
    EXPECT_EQ(Paths(Misc), (std::vector{User() / "a.qdr", Program() / "b.qdr", User() / "c.qdr"}));
    EXPECT_EQ(catalogue.pictureTotal[Misc], 1 + 2 + 3);
    EXPECT_EQ(Paths(Movies), std::vector{Program() / "same.qdr"});
    EXPECT_EQ(catalogue.pictureTotal[Movies], 4);
    EXPECT_EQ(Paths(Music), std::vector{User() / "mine.qdr"});
    EXPECT_EQ(catalogue.pictureTotal[Music], 7);
    EXPECT_EQ(Paths(TvShows), (std::vector{User() / "Case.qdr", System() / "case.qdr"}));
    EXPECT_EQ(Paths(Cartoons), std::vector{User() / "dir.qdr"});

    // What is not played, and the folder whose file is.
    const PackFiles files = FindPackFiles(Folders());
    std::vector<std::pair<std::filesystem::path, std::size_t>> hidden;
    for (const PackFiles::Hidden& file : files.hidden)
        hidden.emplace_back(files.PathOf(file.file), file.playedFolder);
    EXPECT_EQ(hidden, (decltype(hidden){{System() / "mine.qdr", 1},
                                        {User() / "same.qdr", 0},
                                        {System() / "same.qdr", 0}}));
}

TEST_F(MergedPacksTest, AFolderNotThereIsPassedOverAndOneThatCannotBeListedToldOnce) {
    Pack(Program() / "p.qdr", Misc, 1);
    Pack(System() / "s.qdr", Misc, 2);
    std::filesystem::remove_all(Dir() / "data");
    WriteBytes(Dir() / "plain", "a file, not a folder");
    // A link to itself: listing it fails, and not for want of the folder.
    const std::filesystem::path loop = Dir() / "loop";
    std::filesystem::create_directory_symlink(loop, loop);
    const std::vector<std::filesystem::path> folders = {
        Program(), User(),  Dir() / "plain", Dir() / "plain" / "Quadrillo" / "packs",
        loop,      System()};

    const PackProblems problems = ScanPacks(catalogue, folders);
    EXPECT_EQ(Paths(Misc), (std::vector{Program() / "p.qdr", System() / "s.qdr"}));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0],
              (PackProblem{PackProblem::Kind::Refused,
                           QString::fromStdString("Could not open \"" + loop.string() +
                                                  "\": Too many levels of symbolic links.")}));

    // The program directory itself lists nothing then, without a word.
    EXPECT_TRUE(ScanPacks(catalogue, {loop, System()}).empty());
    EXPECT_EQ(Paths(Misc), std::vector{System() / "s.qdr"});
}
