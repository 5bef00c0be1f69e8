#include "packs/PackReader.h"
#include "PackFiles.h"
#include "packs/PackWriter.h"
#include "packs/Windows1252.h"
#include "platform/FileLayer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PackReaderTest : public ::testing::Test {
  protected:
    std::filesystem::path File(const char* name) const {
        return std::filesystem::path(dir.path().toStdString()) / name;
    }
    std::filesystem::path Pack(const char* name, std::vector<PackPicture> pictures,
                               int category = 1) {
        const auto pack = File(name);
        EXPECT_EQ(WritePack(pack, category, pictures), QString());
        return pack;
    }
    QTemporaryDir dir;
};

const PackPicture kA{"A", "first picture"}, kB{"BB", "second"}, kC{"CCC", QByteArray(70000, 'c')};

} // namespace

TEST_F(PackReaderTest, ListsTitlesInFileOrderReplacingOrAppending) {
    const auto one = Pack("one.qdr", {kA, kB, kC});
    const auto two = Pack("two.qdr", {{"", "empty title"}, {"Caf\u00e9 \u20ac", "x"}});
    std::vector<QString> titles = {"left over"};
    EXPECT_TRUE(ListPackTitles(one, true, titles).empty());
    EXPECT_EQ(titles, (std::vector<QString>{"A", "BB", "CCC"}));
    EXPECT_TRUE(ListPackTitles(two, false, titles).empty());
    EXPECT_EQ(titles, (std::vector<QString>{"A", "BB", "CCC", "", "Caf\u00e9 \u20ac"}));

    const PackListing listing = ReadPackListing(one);
    ASSERT_EQ(listing.records.size(), 3u);
    EXPECT_EQ(listing.records[2].dataLength, 70000u);
    EXPECT_EQ(listing.records[0].dataOffset, 3u + 1 + 1 + 4);
}

TEST_F(PackReaderTest, ExtractsExactBytesOverWhateverWasThere) {
    const auto pack = Pack("p.qdr", {kA, kB, kC});
    const auto out = File("temp.bmp");
    WriteBytes(out, QByteArray(100000, 'z'));
    for (auto [number, data] : {std::pair{0, kA.data}, {1, kA.data}, {2, kB.data}, {3, kC.data}}) {
        EXPECT_TRUE(ExtractPicture(pack, number, out).empty()) << number;
        EXPECT_EQ(ReadBytes(out), data) << number;
    }
}

TEST_F(PackReaderTest, BadMagicIsNamedAndExtractionGoesOn) {
    QByteArray bytes = "Y\x01\x01" + RawRecord("t", 5, "hello");
    const auto pack = File("odd.qdr");
    WriteBytes(pack, bytes);
    const PackProblems problems = ExtractPicture(pack, 1, File("out.bmp"));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0], (PackProblem{PackProblem::Kind::BadMagic, "odd.qdr"}));
    EXPECT_EQ(ReadBytes(File("out.bmp")), "hello");

    std::vector<QString> titles;
    EXPECT_TRUE(ListPackTitles(pack, true, titles).empty()); // listing never tests the magic
    EXPECT_EQ(titles, std::vector<QString>{"t"});
}

TEST_F(PackReaderTest, ShortDataIsReportedOnceAndPaddedWithZeros) {
    const auto pack = File("short.qdr");
    WriteBytes(pack, "X\x01\x01" + RawRecord("cut", 100, QByteArray(40, 'd')));
    const auto out = File("out.bmp");
    const PackProblems problems = ExtractPicture(pack, 1, out);
    EXPECT_EQ(problems, (PackProblems{{PackProblem::Kind::DataCutShort, "Read Out the File"}}));
    EXPECT_EQ(ReadBytes(out), QByteArray(40, 'd') + QByteArray(60, '\0'));

    // A huge claimed length is neither allocated nor written out byte by byte.
    WriteBytes(pack, "X\x01\x01" + RawRecord("big", 0x7fffffff, "abc"));
    EXPECT_EQ(ExtractPicture(pack, 1, out).size(), 1u);
    EXPECT_EQ(std::filesystem::file_size(out), 0x7fffffffu);
    std::filesystem::remove(out);
}

TEST_F(PackReaderTest, FieldsBeyondTheLimitsAreRefusedNamingThePack) {
    const auto out = File("out.bmp");
    const auto refused = [&](const QByteArray& bytes, int number) {
        const auto pack = File("bad.qdr");
        WriteBytes(pack, bytes);
        WriteBytes(out, "stale");
        const PackProblems problems = ExtractPicture(pack, number, out);
        EXPECT_EQ(ReadBytes(out), QByteArray()) << "the output is left empty";
        return problems.size() == 1 && problems[0].kind == PackProblem::Kind::Refused &&
               problems[0].message.startsWith("bad.qdr ");
    };
    const QByteArray good = RawRecord("ok", 2, "ok");
    EXPECT_TRUE(refused("X\x01\x80" + good, 1));                          // picture count 0x80
    EXPECT_TRUE(refused("X\x01\x02" + good + RawRecord("x", 1, "x"), 3)); // beyond the count
    EXPECT_TRUE(refused("X\x01\x02" + good + RawRecord("x", 1, "x"), -1));
    EXPECT_TRUE(refused("X\x01\x02" + good + "\x90" + "rest", 2));          // title length 0x90
    EXPECT_TRUE(refused("X\x01\x01" + RawRecord("x", 0x80000000u, ""), 1)); // data length 2^31

    // The listing keeps the sound records before the first unsound one.
    const auto pack = File("half.qdr");
    WriteBytes(pack, "X\x01\x03" + good + RawRecord("y", 0xffffffffu, "") + good);
    std::vector<QString> titles;
    const PackProblems problems = ListPackTitles(pack, true, titles);
    EXPECT_EQ(titles, std::vector<QString>{"ok"});
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(problems[0].message.contains("half.qdr"));
}

TEST_F(PackReaderTest, MissingFilesRaiseFileErrorAfterTheOutputIsCreated) {
    const auto out = File("out.bmp");
    EXPECT_THROW(ExtractPicture(File("none.qdr"), 1, out), FileError);
    EXPECT_TRUE(std::filesystem::exists(out));
    std::vector<QString> titles;
    EXPECT_THROW(ListPackTitles(File("none.qdr"), true, titles), FileError);
}

TEST(PackWriter, RefusesWhatAPackCannotHold) {
    EXPECT_EQ(CheckPackContents(1, {{QString(49, 'x'), "d"}}), QString());
    EXPECT_NE(CheckPackContents(1, {{QString(50, 'x'), "d"}}), QString());
    EXPECT_NE(CheckPackContents(1, {{"\u65e5\u672c", "d"}}), QString());
    EXPECT_NE(CheckPackContents(5, {}), QString());
    EXPECT_NE(CheckPackContents(0, std::vector<PackPicture>(128, {"t", "d"})), QString());
    EXPECT_EQ(CheckPackContents(0, std::vector<PackPicture>(127, {"t", "d"})), QString());
}

TEST(Windows1252, DecodesAndEncodesTheWholeCodePage) {
    EXPECT_EQ(DecodeWindows1252("\x80\x99\xe9"), "\u20ac\u2122\u00e9");
    for (int byte = 0x20; byte < 0x100; ++byte) {
        if (byte == 0x7f || byte == 0x81 || byte == 0x8d || byte == 0x8f || byte == 0x90 ||
            byte == 0x9d)
            continue;
        const std::string one(1, char(byte));
        EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(one)), one) << byte;
    }
    EXPECT_FALSE(EncodeWindows1252("\u0081"));
    EXPECT_FALSE(EncodeWindows1252("tab\there"));
    EXPECT_FALSE(EncodeWindows1252("\u0100"));
}

TEST(DecodeFileName, Utf8NamesAsUtf8AndOthersAsWindows1252) {
    EXPECT_EQ(DecodeFileName("plain.qdr"), "plain.qdr");
    EXPECT_EQ(DecodeFileName("caf\xc3\xa9.qdr"), "caf\u00e9.qdr");
    EXPECT_EQ(DecodeFileName("\xe2\x82\xac.qdr"), "\u20ac.qdr");
    EXPECT_EQ(DecodeFileName("caf\xe9.qdr"), "caf\u00e9.qdr");
    EXPECT_EQ(DecodeFileName("\x80 sale.qdr"), "\u20ac sale.qdr");
    // Cut short, or too long a form of "/": not UTF-8.
    EXPECT_EQ(DecodeFileName("caf\xc3"), "caf\u00c3");
    EXPECT_EQ(DecodeFileName("\xc0\xaf.qdr"), "\u00c0\u00af.qdr");
}
