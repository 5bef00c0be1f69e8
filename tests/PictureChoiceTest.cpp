#include "packs/PictureChoice.h"
#include "PackFiles.h"
#include "RecordingMessageBox.h"
#include "app/ChoosePicture.h"
#include "packs/PackFormat.h"
#include "packs/PackReports.h"
#include "packs/PackWriter.h"
#include "platform/BmpWriter.h"
#include "platform/PictureLoader.h"
#include "platform/ProgramDirectory.h"
#include "puzzle/PuzzleState.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>

namespace {

PackCatalogue Catalogue(int category, std::vector<int> pictures) {
    PackCatalogue catalogue;
    int k = 1;
    for (int count : pictures) {
        catalogue.packs[category].push_back({"pack" + std::to_string(k++) + ".qdr", count});
        ++catalogue.packCount[category];
        catalogue.pictureTotal[category] += count;
    }
    return catalogue;
}

// Hands out the given values in order and counts the draws.
struct Draws {
    std::deque<std::uint32_t> values;
    int made = 0;
    DrawRandom Source() {
        return [this] {
            ++made;
            const std::uint32_t value = values.front();
            values.pop_front();
            return value;
        };
    }
};

ChosenPicture Pick(const PackCatalogue& catalogue, int category, int title, int random,
                   std::vector<std::uint32_t> values, int expectedDraws) {
    Draws draws{{values.begin(), values.end()}};
    const auto chosen = ChoosePictureFrom(catalogue, category, title, random, draws.Source());
    EXPECT_EQ(draws.made, expectedDraws);
    return chosen.value_or(ChosenPicture{"none", 0});
}

} // namespace

TEST(PictureChoice, AnyPackCountsEachPackFromItsEnd) {
    const PackCatalogue catalogue = Catalogue(3, {3, 2});
    const ChosenPicture expected[] = {
        {"pack1.qdr", 3}, {"pack1.qdr", 2}, {"pack1.qdr", 1}, {"pack2.qdr", 2}, {"pack2.qdr", 1}};
    for (std::uint32_t c = 0; c < 5; ++c)
        EXPECT_EQ(Pick(catalogue, 3, 0, 0, {c + 5 * 1000}, 1), expected[c]) << c;
}

TEST(PictureChoice, TotallyRandomWalksTheWholeCatalogue) {
    const PackCatalogue catalogue = Catalogue(3, {3, 2});
    const ChosenPicture expected[] = {
        {"pack1.qdr", 1}, {"pack1.qdr", 2}, {"pack1.qdr", 3}, {"pack2.qdr", 1}, {"pack2.qdr", 2}};
    for (std::uint32_t o = 1; o <= 5; ++o)
        EXPECT_EQ(Pick(catalogue, 3, 1, 1, {77, o - 1 + 5 * 3}, 2), expected[o - 1]) << o;

    // Packs elsewhere are counted in category order; an empty pack is stepped over.
    PackCatalogue spread = Catalogue(1, {2, 0});
    spread.packs[4].push_back({"tv.qdr", 4});
    spread.packCount[4] = 1;
    spread.pictureTotal[4] = 4;
    EXPECT_EQ(Pick(spread, 4, 0, 1, {0, 2}, 2), (ChosenPicture{"tv.qdr", 1}));
    EXPECT_EQ(Pick(spread, 4, 0, 1, {0, 1}, 2), (ChosenPicture{"pack1.qdr", 2}));
}

TEST(PictureChoice, NothingWhenTheCurrentCategoryIsEmptyInEveryMode) {
    const PackCatalogue cartoonsOnly = Catalogue(0, {4});
    for (int random : {0, 1}) {
        Draws draws{{1, 2}};
        EXPECT_FALSE(ChoosePictureFrom(cartoonsOnly, 2, 0, random, draws.Source()));
        EXPECT_EQ(draws.made, 0);
    }
    Draws draws{{1}};
    EXPECT_FALSE(ChoosePictureFrom(cartoonsOnly, 7, 0, 0, draws.Source()));
}

TEST(PictureChoice, OnePackModeAndItsFallbacks) {
    const PackCatalogue catalogue = Catalogue(2, {3, 6});
    for (std::uint32_t value : {0u, 5u, 6u, 4000000000u}) {
        const ChosenPicture chosen = Pick(catalogue, 2, 2, 0, {9, value}, 2);
        EXPECT_EQ(chosen.pack, "pack2.qdr");
        EXPECT_EQ(chosen.pictureNumber, int(value % 6) + 1);
    }
    // A title past the packs, or a pack with no pictures: any pack instead.
    EXPECT_EQ(Pick(catalogue, 2, 3, 0, {4}, 1), (ChosenPicture{"pack2.qdr", 5}));
    const PackCatalogue withEmpty = Catalogue(2, {0, 2});
    EXPECT_EQ(Pick(withEmpty, 2, 1, 0, {1}, 1), (ChosenPicture{"pack2.qdr", 1}));
}

TEST(PictureChoice, TakesTheChoiceIntoTheWorkingFileAndPlaysIt) {
    QTemporaryDir dir;
    const ProgramDirectory program(dir.path().toStdString());
    QImage red(6, 4, QImage::Format_RGB32), blue(6, 4, QImage::Format_RGB32);
    red.fill(qRgb(200, 0, 0));
    blue.fill(qRgb(0, 0, 200));
    ASSERT_EQ(WritePack(program.File("misc.qdr"), 1,
                        {{"one", EncodeBmp24(red)}, {"two", EncodeBmp24(blue)}}),
              QString());
    PackCatalogue catalogue;
    ASSERT_TRUE(ScanPacks(catalogue, program.PackFolders()).empty());

    PuzzleState state;
    state.category = 1;
    state.title = 1;
    RecordingMessageBox messages;
    std::uint32_t next = 1;
    const PictureChoiceServices services{program, messages, [&] { return next; }};
    EXPECT_TRUE(ChoosePicture(state, catalogue, services));
    EXPECT_EQ(ReadBytes(program.File("temp.bmp")), EncodeBmp24(blue));
    EXPECT_EQ(state.currentPicturePath, "temp.bmp");
    EXPECT_EQ(state.solutionPicturePath, "temp.bmp");
    ASSERT_EQ(state.puzzleBitmap.size(), QSize(kPictureWidth, kPictureHeight));
    EXPECT_EQ(state.puzzleBitmap.pixel(kPictureWidth - 1, kPictureHeight - 1), qRgb(0, 0, 200));
    EXPECT_TRUE(messages.boxes.empty());

    // No pictures in the category: the box, and nothing else changes.
    state.category = 3;
    state.currentPicturePath = "before";
    EXPECT_FALSE(ChoosePicture(state, catalogue, services));
    EXPECT_EQ(messages.boxes,
              (std::vector<RecordingMessageBox::Box>{
                  {QStringLiteral("If you'd like some go to ") + PackDownloadAddress() +
                       "\n\nPut picture packs (.qdr files) in the folder " + dir.path() +
                       " and start Quadrillo again.",
                   "No picture packs found"}}));
    EXPECT_EQ(state.currentPicturePath, "before");
    EXPECT_EQ(state.puzzleBitmap.pixel(0, 0), qRgb(0, 0, 200));
}

TEST(PictureChoice, APictureThatCannotBeTakenIsToldOnceAndTheGameKeepsItsPicture) {
    QTemporaryDir dir;
    const ProgramDirectory program(dir.path().toStdString());
    PackCatalogue catalogue;
    // Replaced by a file that is no pack since the scan.
    WriteBytes(program.File("odd.qdr"), "Y\x01\x01" + RawRecord("Sea", 4, "BMxx"));
    // A title length of 0x80 in a sound pack header: refused before the title.
    WriteBytes(program.File("refused.qdr"), "X\x03\x01" + QByteArray(1, char(0x80)));
    // A sound record whose bytes are no picture.
    WriteBytes(program.File("junk.qdr"), "X\x04\x01" + RawRecord("Junk", 4, "BMxx"));
    catalogue.packs[1].push_back({program.File("odd.qdr"), 1});
    catalogue.packs[3].push_back({program.File("refused.qdr"), 1});
    catalogue.packs[4].push_back({program.File("junk.qdr"), 1});
    catalogue.packCount = {0, 1, 0, 1, 1};
    catalogue.pictureTotal = {0, 1, 0, 1, 1};
    WriteBytes(program.File("temp.bmp"), "the picture being played");

    struct Case {
        int category;
        QString told;
    };
    for (const Case& c : std::vector<Case>{
             {1, "odd.qdr has changed since Quadrillo started: it is no longer a picture pack."},
             {3, "refused.qdr is not a picture pack"},
             {4, "\"Junk\" (picture 1 of junk.qdr) cannot be shown."},
         }) {
        PuzzleState state;
        state.category = c.category;
        state.currentPicturePath = "/pictures/played.png";
        state.solutionPicturePath = state.currentPicturePath;
        state.puzzleBitmap = QImage(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
        state.puzzleBitmap.fill(qRgb(1, 2, 3));
        RecordingMessageBox messages;
        EXPECT_FALSE(ChoosePicture(state, catalogue, {program, messages, [] { return 0u; }}));
        ASSERT_EQ(messages.boxes.size(), 1u) << c.category;
        EXPECT_TRUE(messages.boxes[0].text.startsWith(c.told))
            << messages.boxes[0].text.toStdString();
        EXPECT_EQ(state.currentPicturePath, "/pictures/played.png");
        EXPECT_EQ(state.solutionPicturePath, "/pictures/played.png");
        EXPECT_EQ(state.puzzleBitmap.pixel(5, 5), qRgb(1, 2, 3));
        EXPECT_EQ(ReadBytes(program.File("temp.bmp")), "the picture being played");
    }
}
