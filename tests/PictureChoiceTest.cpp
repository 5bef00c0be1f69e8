#include "packs/PictureChoice.h"
#include "PackFiles.h"
#include "RecordingMessageBox.h"
#include "app/ChoosePicture.h"
#include "packs/PackReports.h"
#include "packs/PackWriter.h"
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

TEST(PictureChoice, ExtractsTheChoiceBesideTheProgramAndLoadsIt) {
    QTemporaryDir dir;
    const ProgramDirectory program(dir.path().toStdString());
    ASSERT_EQ(WritePack(program.File("misc.qdr"), 1, {{"one", "BM-one"}, {"two", "BM-two"}}),
              QString());
    PackCatalogue catalogue;
    ASSERT_TRUE(ScanPacks(catalogue, program.Path()).empty());

    PuzzleState state;
    state.category = 1;
    state.title = 1;
    RecordingMessageBox messages;
    std::vector<QString> loaded;
    std::vector<QByteArray> handed;
    std::uint32_t next = 1;
    const PictureChoiceServices services{program, messages, [&] { return next; },
                                         [&](const QString& path, const QByteArray& bytes) {
                                             loaded.push_back(path);
                                             handed.push_back(bytes);
                                             return QString();
                                         }};
    ChoosePicture(state, catalogue, services);
    EXPECT_EQ(ReadBytes(program.File("temp.bmp")), "BM-two");
    EXPECT_EQ(state.currentPicturePath, "temp.bmp");
    EXPECT_EQ(loaded, std::vector<QString>{"temp.bmp"});
    // The bytes just written come along, so the file need not be read back.
    EXPECT_EQ(handed, std::vector<QByteArray>{"BM-two"});
    EXPECT_TRUE(messages.boxes.empty());

    // A picture that cannot be shown is reported once, naming pack and picture.
    const PictureChoiceServices failing{
        program, messages, [&] { return next; },
        [](const QString&, const QByteArray&) { return QString("no picture."); }};
    ChoosePicture(state, catalogue, failing);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text,
              "\"two\" (picture 2 of misc.qdr) cannot be shown. no picture.");

    // No pictures in the category: the box, and nothing else changes.
    messages.boxes.clear();
    loaded.clear();
    state.category = 3;
    state.currentPicturePath = "before";
    ChoosePicture(state, catalogue, services);
    EXPECT_EQ(messages.boxes,
              (std::vector<RecordingMessageBox::Box>{
                  {QStringLiteral("If you'd like some go to ") + PackDownloadAddress(),
                   "No picture packs found"}}));
    EXPECT_EQ(state.currentPicturePath, "before");
    EXPECT_TRUE(loaded.empty());
}

TEST(PictureChoice, AFailedLoadIsExplainedAfterWhateverExtractionSaid) {
    QTemporaryDir dir;
    const ProgramDirectory program(dir.path().toStdString());
    PackCatalogue catalogue;
    // Bad magic: the pack's name, then the explanation with the title.
    WriteBytes(program.File("odd.qdr"), "Y\x01\x01" + RawRecord("Sea", 4, "BMxx"));
    // A title length of 0x80 in a sound pack header: refused before the title.
    WriteBytes(program.File("refused.qdr"), "X\x03\x01" + QByteArray(1, char(0x80)));
    catalogue.packs[1].push_back({"odd.qdr", 1});
    catalogue.packs[3].push_back({"refused.qdr", 1});
    catalogue.packCount = {0, 1, 0, 1, 0};
    catalogue.pictureTotal = {0, 1, 0, 1, 0};

    PuzzleState state;
    RecordingMessageBox messages;
    int handedBytes = 0;
    const PictureChoiceServices services{
        program, messages, [] { return 0u; },
        [&](const QString& path, const QByteArray& bytes) {
            // After trouble, the file is loaded as it stands.
            handedBytes += int(bytes.size());
            return LoadPicture(QString::fromStdString(program.File(path.toStdString()).string()),
                               {kPictureWidth, kPictureHeight})
                .reason;
        }};
    state.category = 1;
    ChoosePicture(state, catalogue, services);
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0], (RecordingMessageBox::Box{"odd.qdr", "Quadrillo"}));
    EXPECT_TRUE(
        messages.boxes[1].text.startsWith("\"Sea\" (picture 1 of odd.qdr) cannot be shown."))
        << messages.boxes[1].text.toStdString();

    messages.boxes.clear();
    state.category = 3;
    ChoosePicture(state, catalogue, services);
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_TRUE(messages.boxes[0].text.startsWith("refused.qdr is not a picture pack"));
    EXPECT_TRUE(messages.boxes[1].text.startsWith("Picture 1 of refused.qdr cannot be shown."))
        << messages.boxes[1].text.toStdString();
    EXPECT_EQ(handedBytes, 0);
}
