// Listing titles and taking pictures out of packs for the Options dialog:
// every pack that fails is named once, and nothing half-written is kept.
#include "options/PackPictures.h"
#include "PackFiles.h"
#include "RecordingMessageBox.h"
#include "packs/PackWriter.h"
#include "platform/BmpWriter.h"
#include "platform/ProgramDirectory.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PackPicturesTest : public ::testing::Test {
  protected:
    PackEntry Pack(const std::string& name, const std::vector<QString>& titles) {
        std::vector<PackPicture> pictures;
        for (int k = 0; k < int(titles.size()); ++k)
            pictures.push_back({titles[std::size_t(k)], Bitmap(qRgb(10 * k, 20, 30))});
        EXPECT_EQ(WritePack(program.File(name), Movies, pictures), QString());
        return {name, int(titles.size())};
    }
    static QByteArray Bitmap(QRgb colour) {
        QImage image(6, 4, QImage::Format_RGB32);
        image.fill(colour);
        return EncodeBmp24(image);
    }
    QStringList List(std::vector<PackEntry> packs, bool expectMatch) {
        QStringList titles = {"left over"};
        EXPECT_EQ(ListTitles(packs, program, messages, titles), expectMatch);
        return titles;
    }

    QTemporaryDir dir;
    ProgramDirectory program{dir.path().toStdString()};
    RecordingMessageBox messages;
};

} // namespace

TEST_F(PackPicturesTest, ListsEveryPackPackAfterPackWithItsCharacters) {
    const PackEntry a = Pack("a.qdr", {"One", "Caf\u00e9 \u20ac"});
    const PackEntry b = Pack("b.qdr", {"Three"});
    EXPECT_EQ(List({a, b}, true), (QStringList{"One", "Caf\u00e9 \u20ac", "Three"}));
    EXPECT_EQ(List({b}, true), QStringList{"Three"});
    EXPECT_EQ(List({}, true), QStringList());
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(PackPicturesTest, EachBrokenPackIsNamedOnceAndTheOthersStillListed) {
    const PackEntry good = Pack("good.qdr", {"G1", "G2"});
    const PackEntry gone = Pack("gone.qdr", {"X"});
    std::filesystem::remove(program.File("gone.qdr"));
    // Cut inside the header of its third picture.
    const PackEntry cut{"cut.qdr", 5};
    WriteBytes(program.File("cut.qdr"), QByteArray("X\x02\x05", 3) + RawRecord("C1", 1, "a") +
                                            RawRecord("C2", 1, "b") + QByteArray("\x02", 1));
    const PackEntry other = Pack("other.qdr", {"O1"});
    WriteBytes(program.File("other.qdr"), "Not a pack at all");
    Pack("grown.qdr", {"N1", "N2", "N3"}); // listed as holding two
    const PackEntry refused{"refused.qdr", 2};
    WriteBytes(program.File("refused.qdr"),
               QByteArray("X\x02\x02", 3) + RawRecord("R1", 1, "a") + QByteArray("\x90", 1));

    const QStringList titles = List({good, gone, cut, other, {"grown.qdr", 2}, refused}, false);
    EXPECT_EQ(titles, (QStringList{"G1", "G2", "C1", "C2", "N1", "N2", "N3", "R1"}));
    ASSERT_EQ(messages.boxes.size(), 5u);
    EXPECT_TRUE(messages.boxes[0].text.startsWith("Could not open"));
    EXPECT_TRUE(messages.boxes[0].text.contains("gone.qdr"));
    EXPECT_EQ(messages.boxes[1].text,
              "cut.qdr is cut short: only 2 of its 5 pictures can be read.");
    EXPECT_EQ(messages.boxes[2].text, "other.qdr");
    EXPECT_EQ(messages.boxes[3].text, "grown.qdr has changed since Quadrillo started: it holds 3 "
                                      "pictures, not 2. Start Quadrillo again to play them.");
    EXPECT_TRUE(messages.boxes[4].text.startsWith("refused.qdr is not a picture pack"));
    for (const RecordingMessageBox::Box& box : messages.boxes)
        EXPECT_EQ(box.caption, "Quadrillo");

    // A pack that lists its pictures in full matches, whatever came before.
    messages.boxes.clear();
    EXPECT_EQ(List({good}, true).size(), 2);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(PackPicturesTest, TakesAWholePictureAndReplacesTheOutput) {
    Pack("p.qdr", {"Red", "Green", "Blue"});
    const auto out = program.File("temp.bmp");
    for (const WhileWriting writing : {WhileWriting::OutputKept, WhileWriting::OutputGone}) {
        WriteBytes(out, "old picture");
        const std::optional<QImage> image =
            TakePicture({"p.qdr", 2}, program, out, {3, 2}, writing, messages);
        ASSERT_TRUE(image);
        EXPECT_EQ(image->size(), QSize(3, 2));
        EXPECT_EQ(image->pixel(1, 1), qRgb(20, 20, 30));
        EXPECT_EQ(ReadBytes(out), Bitmap(qRgb(20, 20, 30)));
        EXPECT_FALSE(std::filesystem::exists(program.File("temp.bmp.part")));
    }
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(PackPicturesTest, APictureNotWholeOrNotShowableIsToldAndLeavesNothingOfItsOwn) {
    const QByteArray bitmap = Bitmap(qRgb(1, 2, 3));
    WriteBytes(program.File("short.qdr"),
               QByteArray("X\x02\x01", 3) +
                   RawRecord("S", std::uint32_t(bitmap.size()), bitmap.left(bitmap.size() - 1)));
    EXPECT_EQ(WritePack(program.File("junk.qdr"), Misc, {{"Junk", "no bitmap here"}}), QString());
    Pack("one.qdr", {"Only"});
    const auto out = program.File("temp.bmp");

    struct Case {
        SelectedPicture picture;
        QString told; // how the one box begins
    };
    for (const Case& c : std::vector<Case>{
             {{"short.qdr", 0}, "short.qdr: Read Out the File"},
             {{"junk.qdr", 0}, "\"Junk\" (picture 1 of junk.qdr) cannot be shown."},
             {{"missing.qdr", 0}, "Could not open"},
             {{"one.qdr", 1}, "one.qdr is not a picture pack"}, // past its one picture
         }) {
        for (const WhileWriting writing : {WhileWriting::OutputKept, WhileWriting::OutputGone}) {
            const bool kept = writing == WhileWriting::OutputKept;
            WriteBytes(out, "old picture");
            messages.boxes.clear();
            EXPECT_FALSE(TakePicture(c.picture, program, out, {3, 2}, writing, messages));
            ASSERT_EQ(messages.boxes.size(), 1u) << c.picture.pack << kept;
            EXPECT_TRUE(messages.boxes[0].text.startsWith(c.told))
                << messages.boxes[0].text.toStdString();
            EXPECT_EQ(std::filesystem::exists(out), kept) << c.picture.pack;
            if (kept) {
                EXPECT_EQ(ReadBytes(out), "old picture") << c.picture.pack;
            }
            EXPECT_FALSE(std::filesystem::exists(program.File("temp.bmp.part"))) << c.picture.pack;
        }
    }

    // An output that cannot be replaced is told, and stays.
    const auto blocked = program.File("blocked.bmp");
    std::filesystem::create_directory(blocked);
    WriteBytes(blocked / "keep", "x");
    for (const WhileWriting writing : {WhileWriting::OutputKept, WhileWriting::OutputGone}) {
        messages.boxes.clear();
        EXPECT_FALSE(TakePicture({"one.qdr", 0}, program, blocked, {3, 2}, writing, messages));
        ASSERT_EQ(messages.boxes.size(), 1u);
        EXPECT_TRUE(messages.boxes[0].text.contains("blocked.bmp"));
        EXPECT_EQ(ReadBytes(blocked / "keep"), "x");
        EXPECT_FALSE(std::filesystem::exists(program.File("blocked.bmp.part")));
    }
}
