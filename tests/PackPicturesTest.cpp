// Listing titles of packs for the Options dialog: every pack that fails is
// named once, and the others are still listed.
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
        return {program.File(name), int(titles.size())};
    }
    static QByteArray Bitmap(QRgb colour) {
        QImage image(6, 4, QImage::Format_RGB32);
        image.fill(colour);
        return EncodeBmp24(image);
    }
    QStringList List(std::vector<PackEntry> packs, bool expectMatch) {
        QStringList titles = {"left over"};
        EXPECT_EQ(ListTitles(packs, messages, titles), expectMatch);
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
    const PackEntry cut{program.File("cut.qdr"), 5};
    WriteBytes(program.File("cut.qdr"), QByteArray("X\x02\x05", 3) + RawRecord("C1", 1, "a") +
                                            RawRecord("C2", 1, "b") + QByteArray("\x02", 1));
    const PackEntry other = Pack("other.qdr", {"O1"});
    WriteBytes(program.File("other.qdr"), "Not a pack at all");
    Pack("grown.qdr", {"N1", "N2", "N3"}); // listed as holding two
    const PackEntry refused{program.File("refused.qdr"), 2};
    WriteBytes(program.File("refused.qdr"),
               QByteArray("X\x02\x02", 3) + RawRecord("R1", 1, "a") + QByteArray("\x90", 1));

    const QStringList titles =
        List({good, gone, cut, other, {program.File("grown.qdr"), 2}, refused}, false);
    EXPECT_EQ(titles, (QStringList{"G1", "G2", "C1", "C2", "N1", "N2", "N3", "R1"}));
    ASSERT_EQ(messages.boxes.size(), 5u);
    EXPECT_TRUE(messages.boxes[0].text.startsWith("Could not open"));
    EXPECT_TRUE(messages.boxes[0].text.contains("gone.qdr"));
    EXPECT_EQ(messages.boxes[1].text,
              "cut.qdr is cut short: only 2 of its 5 pictures can be read.");
    EXPECT_EQ(messages.boxes[2].text,
              "other.qdr has changed since Quadrillo started: it is no longer a picture pack.");
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
