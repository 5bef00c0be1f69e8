// Taking a picture out of a pack into a working file: every failure is told
// once, nothing half-written is kept or played, and nothing but a plain file
// or a link under the working file's name is ever replaced.
#include "packs/TakePicture.h"
#include "PackFiles.h"
#include "RecordingMessageBox.h"
#include "packs/PackFormat.h"
#include "packs/PackWriter.h"
#include "platform/BmpWriter.h"
#include "platform/FileLayer.h"
#include "platform/ProgramDirectory.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

constexpr WhileWriting kBothWays[] = {WhileWriting::OutputKept, WhileWriting::OutputGone};

class TakePictureTest : public ::testing::Test {
  protected:
    void Pack(const std::string& name, const std::vector<QString>& titles) {
        std::vector<PackPicture> pictures;
        for (int k = 0; k < int(titles.size()); ++k)
            pictures.push_back({titles[std::size_t(k)], Bitmap(qRgb(10 * k, 20, 30))});
        ASSERT_EQ(WritePack(program.File(name), Movies, pictures), QString());
    }
    static QByteArray Bitmap(QRgb colour) {
        QImage image(6, 4, QImage::Format_RGB32);
        image.fill(colour);
        return EncodeBmp24(image);
    }
    std::optional<QImage> Take(const std::string& pack, int number,
                               const std::filesystem::path& out, WhileWriting writing) {
        return TakePicture(program.File(pack), number, program, out, {3, 2}, writing, messages);
    }
    std::filesystem::path Out() const { return program.WorkingFile("temp.bmp"); }
    std::filesystem::path Part() const { return program.WorkingFile("temp.bmp.part"); }

    QTemporaryDir dir;
    ProgramDirectory program{dir.path().toStdString()};
    RecordingMessageBox messages;
};

} // namespace

TEST_F(TakePictureTest, TakesAWholePictureAndReplacesTheOutput) {
    ASSERT_NO_FATAL_FAILURE(Pack("p.qdr", {"Red", "Green", "Blue"}));
    for (const WhileWriting writing : kBothWays) {
        WriteBytes(Out(), "old picture");
        const std::optional<QImage> image = Take("p.qdr", 2, Out(), writing);
        ASSERT_TRUE(image);
        EXPECT_EQ(image->size(), QSize(3, 2));
        EXPECT_EQ(image->pixel(1, 1), qRgb(10, 20, 30));
        EXPECT_EQ(ReadBytes(Out()), Bitmap(qRgb(10, 20, 30)));
        EXPECT_FALSE(std::filesystem::exists(Part()));
    }
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(TakePictureTest, APictureNotWholeOrNotShowableIsToldOnceAndLeavesNothingOfItsOwn) {
    const QByteArray bitmap = Bitmap(qRgb(1, 2, 3));
    // Its data one byte short of what it claims, as a pack truncated since the scan.
    WriteBytes(program.File("short.qdr"),
               QByteArray("X\x02\x01", 3) +
                   RawRecord("S", std::uint32_t(bitmap.size()), bitmap.left(bitmap.size() - 1)));
    ASSERT_EQ(WritePack(program.File("junk.qdr"), Misc, {{"Junk", "no bitmap here"}}), QString());
    ASSERT_NO_FATAL_FAILURE(Pack("one.qdr", {"Only"}));
    // Replaced since the scan by a file that is no pack, once with records
    // a pack could hold, once with text whose "count" is out of bounds.
    WriteBytes(program.File("replaced.qdr"), "Y\x02\x01" + RawRecord("Sea", 4, "BMxx"));
    WriteBytes(program.File("text.qdr"), "Just some notes, no pictures.");
    // A pipe named like a pack is refused without waiting for a writer.
    ASSERT_EQ(::mkfifo(program.File("pipe.qdr").c_str(), 0644), 0);

    struct Case {
        std::string pack;
        int number;
        QString told; // the one box, or how it begins
    };
    for (const Case& c : std::vector<Case>{
             {"short.qdr", 1, "short.qdr: Read Out the File"},
             {"junk.qdr", 1, "\"Junk\" (picture 1 of junk.qdr) cannot be shown."},
             {"missing.qdr", 1, "Could not open"},
             {"one.qdr", 2, "one.qdr is not a picture pack"}, // one past its last picture
             {"replaced.qdr", 1,
              "replaced.qdr has changed since Quadrillo started: it is no longer a picture pack."},
             {"text.qdr", 1,
              "text.qdr has changed since Quadrillo started: it is no longer a picture pack."},
             {"pipe.qdr", 1, "Could not open"},
         }) {
        for (const WhileWriting writing : kBothWays) {
            const bool kept = writing == WhileWriting::OutputKept;
            WriteBytes(Out(), "old picture");
            messages.boxes.clear();
            EXPECT_FALSE(Take(c.pack, c.number, Out(), writing));
            ASSERT_EQ(messages.boxes.size(), 1u) << c.pack << kept;
            EXPECT_TRUE(messages.boxes[0].text.startsWith(c.told))
                << messages.boxes[0].text.toStdString();
            EXPECT_EQ(std::filesystem::exists(Out()), kept) << c.pack;
            if (kept) {
                EXPECT_EQ(ReadBytes(Out()), "old picture") << c.pack;
            }
            EXPECT_FALSE(std::filesystem::exists(Part())) << c.pack;
        }
    }
    EXPECT_TRUE(messages.boxes[0].text.contains(QString::fromStdString(
        "\"" + program.File("pipe.qdr").string() + "\": it is not a regular file.")))
        << messages.boxes[0].text.toStdString();
}

TEST_F(TakePictureTest, OnlyAPlainFileOrALinkIsEverReplacedAndALinkIsNeverFollowed) {
    ASSERT_NO_FATAL_FAILURE(Pack("one.qdr", {"Only"}));
    const std::filesystem::path victim = program.File("victim.txt");
    for (const WhileWriting writing : kBothWays) {
        messages.boxes.clear();
        WriteBytes(victim, "the player's own");
        std::filesystem::remove(Out());
        std::filesystem::create_symlink(victim, Out());
        // A link left under the part's name is no way in either.
        if (writing == WhileWriting::OutputKept)
            std::filesystem::create_symlink(victim, Part());
        ASSERT_TRUE(Take("one.qdr", 1, Out(), writing));
        EXPECT_EQ(ReadBytes(victim), "the player's own");
        EXPECT_FALSE(std::filesystem::is_symlink(Out()));
        EXPECT_EQ(ReadBytes(Out()), Bitmap(qRgb(0, 20, 30)));
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(Part())));
        EXPECT_TRUE(messages.boxes.empty());
    }

    // A directory or a pipe under the name is told about and stays as it was.
    const auto blocked = program.WorkingFile("blocked.bmp");
    std::filesystem::create_directory(blocked);
    WriteBytes(blocked / "keep", "x");
    const auto pipe = program.WorkingFile("pipe.bmp");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    for (const auto& out : {blocked, pipe}) {
        for (const WhileWriting writing : kBothWays) {
            messages.boxes.clear();
            EXPECT_FALSE(Take("one.qdr", 1, out, writing));
            ASSERT_EQ(messages.boxes.size(), 1u);
            EXPECT_EQ(messages.boxes[0].text,
                      QString::fromStdString(
                          "Could not " +
                          std::string(writing == WhileWriting::OutputKept ? "write" : "create") +
                          " \"" + out.string() + "\": it is not a regular file."));
            EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(PartFile(out))));
        }
    }
    EXPECT_EQ(ReadBytes(blocked / "keep"), "x");
    EXPECT_EQ(std::filesystem::status(pipe).type(), std::filesystem::file_type::fifo);
}

TEST_F(TakePictureTest, TheWorkingFolderIsMadeWhenFirstNeeded) {
    ASSERT_NO_FATAL_FAILURE(Pack("one.qdr", {"Only"}));
    const ProgramDirectory elsewhere(program.Path(), program.Path() / "cache" / "Quadrillo");
    ASSERT_FALSE(std::filesystem::exists(elsewhere.WorkingFolder()));
    ASSERT_TRUE(TakePicture(program.File("one.qdr"), 1, elsewhere,
                            elsewhere.WorkingFile("temp.bmp"), {3, 2}, WhileWriting::OutputKept,
                            messages));
    EXPECT_EQ(ReadBytes(elsewhere.WorkingFile("temp.bmp")), Bitmap(qRgb(0, 20, 30)));
    EXPECT_FALSE(std::filesystem::exists(program.File("temp.bmp")));

    // One that cannot be made is told, naming it.
    WriteBytes(program.File("plain"), "a file, not a folder");
    const ProgramDirectory blocked(program.Path(), program.Path() / "plain" / "Quadrillo");
    messages.boxes.clear();
    EXPECT_FALSE(TakePicture(program.File("one.qdr"), 1, blocked, blocked.WorkingFile("temp.bmp"),
                             {3, 2}, WhileWriting::OutputKept, messages));
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_TRUE(messages.boxes[0].text.startsWith(
        QString::fromStdString("Could not create \"" + blocked.WorkingFolder().string() + "\"")))
        << messages.boxes[0].text.toStdString();
}
