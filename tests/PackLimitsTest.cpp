#include "PackFiles.h"
#include "packs/PackCatalogue.h"
#include "packs/PackReader.h"
#include "packs/PackWriter.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

class PackLimits : public ::testing::Test {
  protected:
    std::filesystem::path Dir() const { return dir.path().toStdString(); }
    std::filesystem::path File(const std::string& name) const { return Dir() / name; }
    QTemporaryDir dir;
};

// Titles and data that name their picture, so a record read from the wrong
// place shows.
QString TitleOf(int number) {
    return QStringLiteral("t%1").arg(number);
}
QByteArray DataOf(int number) {
    return QByteArray(number % 7 + 1, char('a' + number % 26)) + QByteArray::number(number);
}
std::vector<PackPicture> Numbered(int count) {
    std::vector<PackPicture> pictures;
    for (int number = 1; number <= count; ++number)
        pictures.push_back({TitleOf(number), DataOf(number)});
    return pictures;
}
QByteArray NumberedRecords(int count) {
    QByteArray records;
    for (int number = 1; number <= count; ++number)
        records += RawRecord(TitleOf(number).toStdString(), std::uint32_t(DataOf(number).size()),
                             DataOf(number));
    return records;
}

QByteArray Header(int category, int count) {
    QByteArray header("X");
    header.append(char(category)).append(char(count));
    return header;
}

bool IsRefusalNaming(const PackProblem& problem, const char* pack) {
    return problem.kind == PackProblem::Kind::Refused &&
           problem.message.startsWith(QString::fromUtf8(pack) + ' ');
}

} // namespace

TEST_F(PackLimits, PictureCountOf127IsReadAnd128IsRefused) {
    // One sound record past the count: a reader that runs to the end of the
    // file would list it.
    const auto full = File("full.qdr");
    WriteBytes(full, Header(1, 0x7f) + NumberedRecords(128));
    const PackListing listing = ReadPackListing(full);
    EXPECT_TRUE(listing.problems.empty());
    EXPECT_EQ(listing.header.pictureCount, 127);
    ASSERT_EQ(listing.records.size(), 127u);
    EXPECT_EQ(listing.records[126].title, "t127");
    std::vector<QString> titles;
    EXPECT_TRUE(ListPackTitles(full, true, titles).empty());
    ASSERT_EQ(titles.size(), 127u);
    EXPECT_EQ(titles[0], "t1");
    EXPECT_EQ(titles[126], "t127");

    // 0x80 is -128 as a signed byte: refused before any record is read.
    for (int count : {0x80, 0xff}) {
        SCOPED_TRACE(count);
        const auto over = File("over.qdr");
        WriteBytes(over, Header(1, count) + NumberedRecords(128));
        const PackListing refused = ReadPackListing(over);
        EXPECT_TRUE(refused.header.complete);
        EXPECT_TRUE(refused.records.empty());
        ASSERT_EQ(refused.problems.size(), 1u);
        EXPECT_TRUE(IsRefusalNaming(refused.problems[0], "over.qdr"))
            << refused.problems[0].message.toStdString();
        EXPECT_TRUE(
            refused.problems[0].message.contains(QStringLiteral("%1 pictures").arg(count - 256)));

        std::vector<QString> kept = {"kept"};
        EXPECT_EQ(ListPackTitles(over, false, kept).size(), 1u);
        EXPECT_EQ(kept, std::vector<QString>{"kept"});
        EXPECT_EQ(ListPackTitles(over, true, kept).size(), 1u);
        EXPECT_TRUE(kept.empty());
    }
}

TEST_F(PackLimits, WriterMakesPacksOf127PicturesAndRefuses128) {
    const auto pack = File("max.qdr");
    ASSERT_EQ(WritePack(pack, 3, Numbered(127)), QString());
    const QByteArray bytes = ReadBytes(pack);
    ASSERT_GE(bytes.size(), 3);
    EXPECT_EQ(bytes[2], char(0x7f));
    const PackListing listing = ReadPackListing(pack);
    EXPECT_TRUE(listing.problems.empty());
    ASSERT_EQ(listing.records.size(), 127u);
    EXPECT_EQ(listing.records[126].title, "t127");
    EXPECT_EQ(listing.records[126].dataLength, std::uint32_t(DataOf(127).size()));

    // Refused whole: the directory still holds only the first pack.
    const QString why = WritePack(File("over.qdr"), 3, Numbered(128));
    EXPECT_TRUE(why.contains("128")) << why.toStdString();
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Dir()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"max.qdr"});
}

TEST_F(PackLimits, TitleLengthByteOf127IsReadAnd128IsRefused) {
    // Bytes above 0x7f in the title, so a signed length would go wrong.
    std::string longest(127, char(0xe9));
    longest.front() = 'A';
    longest.back() = 'Z';
    const auto pack = File("titles.qdr");
    WriteBytes(pack, Header(1, 2) + RawRecord(longest, 4, "data") + RawRecord("b", 2, "bb"));
    const PackListing listing = ReadPackListing(pack);
    EXPECT_TRUE(listing.problems.empty());
    ASSERT_EQ(listing.records.size(), 2u);
    EXPECT_EQ(listing.records[0].title, longest);
    EXPECT_EQ(listing.records[0].dataOffset, 3u + 1 + 127 + 4);
    EXPECT_EQ(listing.records[1].title, "b");
    const auto out = File("out.bmp");
    EXPECT_TRUE(ExtractPicture(pack, 2, out).empty());
    EXPECT_EQ(ReadBytes(out), "bb");
    std::vector<QString> titles;
    EXPECT_TRUE(ListPackTitles(pack, true, titles).empty());
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_EQ(titles[0], "A" + QString(125, QChar(0xe9)) + "Z");

    // 0x80 for the second picture: the first is kept, nothing after it read.
    QByteArray bytes = Header(1, 3) + RawRecord("a", 1, "a");
    bytes.append(char(0x80)).append(QByteArray(0x80, 't')).append(QByteArray(4, '\0'));
    bytes += RawRecord("c", 1, "c");
    const auto over = File("long.qdr");
    WriteBytes(over, bytes);
    const PackListing refused = ReadPackListing(over);
    ASSERT_EQ(refused.records.size(), 1u);
    EXPECT_EQ(refused.records[0].title, "a");
    EXPECT_FALSE(refused.truncated);
    ASSERT_EQ(refused.problems.size(), 1u);
    EXPECT_TRUE(IsRefusalNaming(refused.problems[0], "long.qdr"));
    EXPECT_TRUE(refused.problems[0].message.contains("picture 2"))
        << refused.problems[0].message.toStdString();
    WriteBytes(out, "stale");
    const PackProblems problems = ExtractPicture(over, 3, out);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(IsRefusalNaming(problems[0], "long.qdr"));
    EXPECT_EQ(ReadBytes(out), QByteArray());
}

TEST_F(PackLimits, TitlesOf49BytesAreWrittenAnd50OnlyRead) {
    // Counted in Windows-1252 bytes, not in UTF-8 (twice as many for these).
    const QString title49(49, QChar(0xe9)), title50(50, QChar(0xe9));
    const auto pack = File("t49.qdr");
    ASSERT_EQ(WritePack(pack, 0, {{title49, "d"}}), QString());
    const QByteArray bytes = ReadBytes(pack);
    ASSERT_GE(bytes.size(), 4);
    EXPECT_EQ(bytes[3], char(49));
    std::vector<QString> titles;
    EXPECT_TRUE(ListPackTitles(pack, true, titles).empty());
    EXPECT_EQ(titles, std::vector<QString>{title49});

    const auto refused = File("t50.qdr");
    const QString why = WritePack(refused, 0, {{title50, "d"}});
    EXPECT_TRUE(why.contains("50")) << why.toStdString();
    EXPECT_FALSE(std::filesystem::exists(refused));

    // A 50-byte title from another writer is still read.
    WriteBytes(refused, Header(0, 1) + RawRecord(std::string(50, char(0xe9)), 1, "d"));
    EXPECT_TRUE(ListPackTitles(refused, true, titles).empty());
    EXPECT_EQ(titles, std::vector<QString>{title50});
}

TEST_F(PackLimits, DataLengthsFromTwoToThe31AreRefused) {
    struct Case {
        std::uint32_t length;
        bool accepted;
    };
    for (const Case c : {Case{0x7fffffffu, true}, {0x80000000u, false}, {0xffffffffu, false}}) {
        SCOPED_TRACE(c.length);
        const auto pack = File("len.qdr");
        WriteBytes(pack, Header(2, 2) + RawRecord("ok", 2, "ok") + RawRecord("big", c.length, "x"));
        const PackListing listing = ReadPackListing(pack);
        ASSERT_EQ(listing.records.size(), c.accepted ? 2u : 1u);
        EXPECT_EQ(listing.records[0].title, "ok");
        if (c.accepted) {
            EXPECT_EQ(listing.records[1].dataLength, c.length);
            EXPECT_TRUE(listing.problems.empty());
            continue;
        }
        ASSERT_EQ(listing.problems.size(), 1u);
        const QString message = listing.problems[0].message;
        EXPECT_TRUE(IsRefusalNaming(listing.problems[0], "len.qdr")) << message.toStdString();
        // Shown unsigned, as the file holds it.
        EXPECT_TRUE(message.contains(QStringLiteral("picture 2 claims %1 bytes").arg(c.length)))
            << message.toStdString();

        const auto out = File("out.bmp");
        WriteBytes(out, "stale");
        const PackProblems problems = ExtractPicture(pack, 2, out);
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_EQ(problems[0].message, message);
        EXPECT_EQ(ReadBytes(out), QByteArray());
    }
}

TEST_F(PackLimits, DataEndingExactlyAtTheEndOfTheFileIsWhole) {
    const QByteArray data = "0123456789";
    const auto out = File("out.bmp");
    for (std::uint32_t length : {9u, 10u, 11u}) {
        SCOPED_TRACE(length);
        const auto pack = File("edge.qdr");
        WriteBytes(pack, Header(1, 1) + RawRecord("t", length, data));
        const PackProblems problems = ExtractPicture(pack, 1, out);
        if (length <= 10) {
            EXPECT_TRUE(problems.empty());
            EXPECT_EQ(ReadBytes(out), data.left(length));
        } else {
            EXPECT_EQ(problems, (PackProblems{{PackProblem::Kind::DataCutShort, kReadOutTheFile}}));
            EXPECT_EQ(ReadBytes(out), data + QByteArray(1, '\0'));
        }
    }
}

TEST_F(PackLimits, LargestDataLengthIsPaddedWithZerosWithoutBeingWritten) {
    // The first megabyte of the copy buffer is where stale bytes would land.
    QByteArray present(3000, '\0');
    for (int i = 0; i < present.size(); ++i)
        present[i] = char(1 + i % 250);
    const auto pack = File("huge.qdr");
    WriteBytes(pack, Header(1, 1) + RawRecord("huge", 0x7fffffff, present));
    const auto out = File("out.bmp");
    EXPECT_EQ(ExtractPicture(pack, 1, out),
              (PackProblems{{PackProblem::Kind::DataCutShort, kReadOutTheFile}}));
    ASSERT_EQ(std::filesystem::file_size(out), 0x7fffffffu);

    const int fd = ::open(out.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    const auto zerosAt = [fd](off_t at, std::size_t size) {
        std::vector<char> bytes(size, 'x');
        const ssize_t got = ::pread(fd, bytes.data(), size, at);
        return got == ssize_t(size) &&
               std::all_of(bytes.begin(), bytes.end(), [](char b) { return b == '\0'; });
    };
    constexpr std::size_t kHead = std::size_t(3) << 20;
    std::vector<char> head(kHead);
    ASSERT_EQ(::pread(fd, head.data(), kHead, 0), ssize_t(kHead));
    EXPECT_EQ(QByteArray(head.data(), present.size()), present);
    EXPECT_TRUE(
        std::all_of(head.begin() + present.size(), head.end(), [](char b) { return b == '\0'; }));
    EXPECT_TRUE(zerosAt(0x7fffffff - 4096, 4096));
    // Past the head: no data at all on a file system with holes, else the
    // first block it reports is zeros.
    const off_t data = ::lseek(fd, off_t(kHead), SEEK_DATA);
    if (data >= 0 && data < 0x7fffffff) {
        EXPECT_TRUE(zerosAt(data, std::min<off_t>(4096, 0x7fffffff - data)));
    }
    ::close(fd);
    std::filesystem::remove(out);
}

TEST_F(PackLimits, PictureNumbersAtTheEdgesOfTheCount) {
    const auto pack = File("p.qdr");
    ASSERT_EQ(WritePack(pack, 1, Numbered(127)), QString());
    const auto out = File("out.bmp");
    for (auto [number, data] : {std::pair{0, DataOf(1)},
                                {1, DataOf(1)},
                                {2, DataOf(2)},
                                {126, DataOf(126)},
                                {127, DataOf(127)}}) {
        SCOPED_TRACE(number);
        EXPECT_TRUE(ExtractPicture(pack, number, out).empty());
        EXPECT_EQ(ReadBytes(out), data);
    }
    for (int number : {128, -1, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(number);
        WriteBytes(out, "stale");
        const PackProblems problems = ExtractPicture(pack, number, out);
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_TRUE(IsRefusalNaming(problems[0], "p.qdr"));
        EXPECT_TRUE(problems[0].message.contains(
            QStringLiteral("holds 127 pictures, not picture %1").arg(number)))
            << problems[0].message.toStdString();
        EXPECT_EQ(ReadBytes(out), QByteArray());
    }

    // Picture 0 means 1, which an empty pack does not hold.
    const auto empty = File("empty.qdr");
    ASSERT_EQ(WritePack(empty, 1, {}), QString());
    for (int number : {0, 1}) {
        SCOPED_TRACE(number);
        const PackProblems problems = ExtractPicture(empty, number, out);
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_TRUE(problems[0].message.contains("holds 0 pictures, not picture 1"))
            << problems[0].message.toStdString();
    }
}

TEST_F(PackLimits, ScanCountsOnlyCompleteHeadersInRangeWithACountBelow128) {
    // Picture counts are distinct powers of two (but for the 127), so every
    // wrongly counted or wrongly placed pack changes a total.
    WriteBytes(File("a0.qdr"), "");
    WriteBytes(File("a1.qdr"), "X");
    WriteBytes(File("a2.qdr"), QByteArray("X\0", 2));
    WriteBytes(File("a3.qdr"), Header(0, 1));
    WriteBytes(File("c-1.qdr"), Header(-1, 2) + "tail");
    WriteBytes(File("c0.qdr"), Header(0, 4) + "tail");
    WriteBytes(File("c4.qdr"), Header(4, 8) + "tail");
    WriteBytes(File("c5.qdr"), Header(5, 16) + "tail");
    WriteBytes(File("n7f.qdr"), Header(3, 0x7f) + "tail");
    WriteBytes(File("n80.qdr"), Header(3, 0x80) + "tail");
    WriteBytes(File("y1.qdr"), "Y");

    PackCatalogue catalogue;
    const PackProblems problems = ScanPacks(catalogue, {Dir()});
    EXPECT_EQ(catalogue.packCount, (std::array<std::int32_t, kCategoryCount>{2, 0, 0, 1, 1}));
    EXPECT_EQ(catalogue.pictureTotal, (std::array<std::int32_t, kCategoryCount>{5, 0, 0, 127, 8}));
    ASSERT_EQ(catalogue.packs[0].size(), 2u);
    EXPECT_EQ(catalogue.packs[0][0].path, File("a3.qdr"));
    EXPECT_EQ(catalogue.packs[0][0].pictures, 1);
    EXPECT_EQ(catalogue.packs[0][1].path, File("c0.qdr"));
    ASSERT_EQ(catalogue.packs[3].size(), 1u);
    EXPECT_EQ(catalogue.packs[3][0].pictures, 127);

    // Categories -1 and 5 are left out without a word.
    ASSERT_EQ(problems.size(), 5u);
    EXPECT_EQ(problems[0], (PackProblem{PackProblem::Kind::BadMagic, "a0.qdr"}));
    EXPECT_TRUE(IsRefusalNaming(problems[1], "a1.qdr"));
    EXPECT_TRUE(problems[1].message.contains("ends inside its header"));
    EXPECT_TRUE(IsRefusalNaming(problems[2], "a2.qdr"));
    EXPECT_TRUE(problems[2].message.contains("ends inside its header"));
    EXPECT_TRUE(IsRefusalNaming(problems[3], "n80.qdr"));
    EXPECT_TRUE(problems[3].message.contains("-128 pictures")) << problems[3].message.toStdString();
    EXPECT_EQ(problems[4], (PackProblem{PackProblem::Kind::BadMagic, "y1.qdr"}));
}

TEST_F(PackLimits, PackFilesSortCaseBlindThenByByte) {
    // Byte order differs from the case-blind order in each group: "B" < "a",
    // "Z" < "_" < "a" (folding to upper case would put "_" last), and a
    // byte above 0x7f sorts after every letter.
    for (const char* name : {"B.qdr", "a.qdr", "Zx.qdr", "_x.qdr", "ax.qdr", "\xc3\xa9.qdr",
                             "z.qdr", "ab.qdr", "AB.qdr", "aB.qdr", "Ab.qdr"})
        WriteBytes(File(name), "X");
    EXPECT_EQ(TakenNames({Dir()}),
              (std::vector<std::string>{"_x.qdr", "a.qdr", "AB.qdr", "Ab.qdr", "aB.qdr", "ab.qdr",
                                        "ax.qdr", "B.qdr", "z.qdr", "Zx.qdr", "\xc3\xa9.qdr"}));
}

TEST_F(PackLimits, OnlyFilesNamedSomethingDotQdrAreListed) {
    for (const char* name : {"x.qdr", "u.QDR", "m.Qdr", "qdr", ".qdr", ".QDR", "y.qdrx", "xqdr",
                             "y.qdr.bak", "..qdr", "z.qd"})
        WriteBytes(File(name), "X");
    std::filesystem::create_directory(File("d.qdr"));
    std::filesystem::create_directory(File("e.QDR"));
    // The shortest name is one character and the extension.
    EXPECT_EQ(TakenNames({Dir()}), (std::vector<std::string>{"..qdr", "m.Qdr", "u.QDR", "x.qdr"}));
}
