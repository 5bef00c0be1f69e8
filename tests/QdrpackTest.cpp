#include "PackFiles.h"
#include "QdrpackRun.h"
#include "TestPictures.h"
#include "platform/BmpWriter.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct BmpHeader {
    QByteArray magic;
    quint32 fileSize = 0, compression = 0;
    qint32 width = 0, height = 0;
    quint16 bitsPerPixel = 0;
};

quint32 Le(const QByteArray& bytes, int at, int size) {
    return size == 2 ? ReadLittleEndian16(bytes.constData() + at)
                     : ReadLittleEndian32(bytes.constData() + at);
}

BmpHeader ReadBmpHeader(const QByteArray& bytes) {
    if (bytes.size() < 54)
        return {};
    return {bytes.left(2),
            Le(bytes, 2, 4),
            Le(bytes, 30, 4),
            qint32(Le(bytes, 18, 4)),
            qint32(Le(bytes, 22, 4)),
            quint16(Le(bytes, 28, 2))};
}

bool Near(QRgb pixel, QRgb want) {
    return std::abs(qRed(pixel) - qRed(want)) < 24 && std::abs(qGreen(pixel) - qGreen(want)) < 24 &&
           std::abs(qBlue(pixel) - qBlue(want)) < 24;
}

class QdrpackTest : public ::testing::Test {
  protected:
    Outcome Qdrpack(const QStringList& args) {
        return RunQdrpack(QStringLiteral(QDRPACK_BINARY), dir.path(), args);
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    std::filesystem::path File(const QString& name) const { return Path(name).toStdString(); }
    bool Exists(const QString& name) const { return QFile::exists(Path(name)); }

    // Left half red, right half blue: shows stretching and colour order.
    QString SavePicture(const QString& name, int width, int height, const char* format) {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width / 2; ++x)
                picture.setPixel(x, y, qRgb(255, 0, 0));
        EXPECT_TRUE(picture.save(Path(name), format)) << name.toStdString();
        return name;
    }

    QTemporaryDir dir;
};

const QByteArray kBitmap = EncodeBmp24(CoordinatePicture(8, 5));

} // namespace

TEST_F(QdrpackTest, CreateStoresAnyImageAs600x375Bitmap) {
    SavePicture("sunset.png", 120, 80, "PNG");
    SavePicture("beach.day.jpg", 800, 500, "JPEG");
    const Outcome created =
        Qdrpack({"create", "holiday.qdr", "--category", "misc", "sunset.png", "beach.day.jpg"});
    ASSERT_EQ(created.status, 0) << created.err.toStdString();
    EXPECT_EQ(created.out, "holiday.qdr: 2 pictures, category 1 (Misc)\n");

    const Outcome listed = Qdrpack({"list", "holiday.qdr"});
    EXPECT_EQ(listed.status, 0) << listed.err.toStdString();
    EXPECT_EQ(listed.out, "holiday.qdr: category 1 (Misc), 2 pictures\n"
                          "   1  sunset  (675054 bytes)\n"
                          "   2  beach.day  (675054 bytes)\n");
    EXPECT_EQ(listed.err, "");

    EXPECT_EQ(Qdrpack({"extract", "holiday.qdr", "1"}).status, 0);
    EXPECT_EQ(Qdrpack({"extract", "holiday.qdr", "2", "-o", "second.bmp"}).status, 0);
    for (const QString& name : {QStringLiteral("sunset.bmp"), QStringLiteral("second.bmp")}) {
        const QByteArray bytes = ReadBytes(File(name));
        const BmpHeader header = ReadBmpHeader(bytes);
        EXPECT_EQ(header.magic, "BM") << name.toStdString();
        EXPECT_EQ(header.width, 600);
        EXPECT_EQ(header.height, 375);
        EXPECT_EQ(header.bitsPerPixel, 24);
        EXPECT_EQ(header.compression, 0u);
        EXPECT_EQ(header.fileSize, quint32(bytes.size()));
        const QImage picture = QImage::fromData(bytes, "BMP");
        ASSERT_EQ(picture.size(), QSize(600, 375));
        EXPECT_TRUE(Near(picture.pixel(100, 187), qRgb(255, 0, 0))) << name.toStdString();
        EXPECT_TRUE(Near(picture.pixel(500, 187), qRgb(0, 0, 255))) << name.toStdString();
    }

    const Outcome checked = Qdrpack({"check", "holiday.qdr"});
    EXPECT_EQ(checked.status, 0) << checked.err.toStdString();
    EXPECT_EQ(checked.out, "holiday.qdr: ok (2 pictures)\n");
}

TEST_F(QdrpackTest, KeepStoresBitmapsByteForByteUnderWindows1252Titles) {
    SavePicture("small.bmp", 30, 20, "BMP");
    const QByteArray original = ReadBytes(File("small.bmp"));
    const Outcome created =
        Qdrpack({"create", "kept.qdr", "--category", "Cartoons", "--keep", "--title", "Caf\u00e9",
                 "--title=AC/DC", "--title", "", "small.bmp", "small.bmp", "small.bmp"});
    ASSERT_EQ(created.status, 0) << created.err.toStdString();

    EXPECT_EQ(ReadBytes(File("kept.qdr")), QByteArray("X\x00\x03", 3) +
                                               RawRecord("Caf\xe9", original.size(), original) +
                                               RawRecord("AC/DC", original.size(), original) +
                                               RawRecord("", original.size(), original));
    const Outcome listed = Qdrpack({"list", "kept.qdr"});
    EXPECT_TRUE(
        listed.out.contains(QStringLiteral("   1  Caf\u00e9  (%1 bytes)\n").arg(original.size())))
        << listed.out.toStdString();

    // Default names: the title, '/' made safe, an empty title numbered.
    EXPECT_EQ(Qdrpack({"extract", "kept.qdr", "1"}).status, 0);
    EXPECT_EQ(Qdrpack({"extract", "kept.qdr", "2"}).status, 0);
    EXPECT_EQ(Qdrpack({"extract", "kept.qdr", "3"}).status, 0);
    EXPECT_EQ(ReadBytes(File("Caf\u00e9.bmp")), original);
    EXPECT_EQ(ReadBytes(File("AC_DC.bmp")), original);
    EXPECT_EQ(ReadBytes(File("picture-3.bmp")), original);

    // An existing file stays unless forced.
    WriteBytes(File("AC_DC.bmp"), "mine");
    const Outcome kept = Qdrpack({"extract", "kept.qdr", "2"});
    EXPECT_EQ(kept.status, 1);
    EXPECT_TRUE(kept.err.startsWith("qdrpack: AC_DC.bmp is there already"))
        << kept.err.toStdString();
    EXPECT_EQ(ReadBytes(File("AC_DC.bmp")), "mine");
    EXPECT_EQ(Qdrpack({"extract", "kept.qdr", "2", "--force"}).status, 0);
    EXPECT_EQ(ReadBytes(File("AC_DC.bmp")), original);

    // A picture beyond the pack is refused before any file is made.
    const Outcome beyond = Qdrpack({"extract", "kept.qdr", "4", "-o", "none.bmp"});
    EXPECT_EQ(beyond.status, 1);
    EXPECT_EQ(beyond.err, "qdrpack: kept.qdr holds 3 pictures, not picture 4\n");
    EXPECT_FALSE(Exists("none.bmp"));

    // --keep takes BMP files only; 49 characters is the longest title.
    SavePicture("photo.png", 30, 20, "PNG");
    const Outcome png = Qdrpack({"create", "p.qdr", "--category", "0", "--keep", "photo.png"});
    EXPECT_EQ(png.status, 1);
    EXPECT_TRUE(png.err.contains("photo.png is not a BMP file")) << png.err.toStdString();
    EXPECT_FALSE(Exists("p.qdr"));
    EXPECT_EQ(Qdrpack({"create", "long.qdr", "--category", "tv", "--title", QString(49, 'w'),
                       "photo.png"})
                  .status,
              0);
    EXPECT_EQ(ReadBytes(File("long.qdr")).left(4), QByteArray("X\x04\x01\x31"));
}

TEST_F(QdrpackTest, CreateRefusesWhatAPackCannotHold) {
    const QString image = SavePicture("a.png", 10, 10, "PNG");
    WriteBytes(File("notes.txt"), "just some words");
    const QString longName = QString(50, 'n') + ".png";
    SavePicture(longName, 10, 10, "PNG");
    QStringList tooMany = {"create", "out.qdr", "--category", "1"};
    for (int i = 0; i < 128; ++i)
        tooMany << image;

    struct Case {
        QStringList args;
        int status;
        QString message;
    };
    const QStringList start = {"create", "out.qdr"};
    const std::vector<Case> cases = {
        {start + QStringList{"--category", "1", "--title", QString(50, 't'), image}, 1,
         "is 50 characters long; at most 49 fit"},
        {start + QStringList{"--category", "1", longName}, 1, "(" + longName + ")"},
        {start + QStringList{"--category", "1", "--title", "\u6f22\u5b57", image}, 1,
         "has a character a pack cannot hold"},
        {start + QStringList{"--category", "1", "--title", "x", image, image}, 2, "2 images"},
        {start + QStringList{"--category", "9", image}, 2, "unknown category \"9\""},
        {start + QStringList{"--category", "sports", image}, 2, "unknown category"},
        {start + QStringList{image}, 2, "--category is required"},
        {start + QStringList{"--category", "1", "gone.png"}, 1, "gone.png"},
        {start + QStringList{"--category", "1", image, "notes.txt"}, 1,
         "notes.txt is not a picture"},
        {tooMany, 1, "at most 127 pictures"},
    };
    for (const Case& c : cases) {
        const Outcome run = Qdrpack(c.args);
        EXPECT_EQ(run.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("qdrpack: ")) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_FALSE(Exists("out.qdr")) << c.args.join(' ').toStdString();
    }

    WriteBytes(File("out.qdr"), "old");
    const Outcome refused = Qdrpack(start + QStringList{"--category", "1", image});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("out.qdr is there already")) << refused.err.toStdString();
    EXPECT_EQ(ReadBytes(File("out.qdr")), "old");
    EXPECT_EQ(Qdrpack(start + QStringList{"--force", "--category", "1", image}).status, 0);
    EXPECT_EQ(ReadBytes(File("out.qdr")).left(5), QByteArray("X\x01\x01\x01"
                                                             "a"));
}

TEST_F(QdrpackTest, CheckNamesEveryBrokenFieldOnItsOwnLine) {
    const QByteArray good = RawRecord("fine", kBitmap.size(), kBitmap);
    WriteBytes(File("sound.qdr"), "X\x01\x01" + good);
    struct Case {
        const char* name;
        QByteArray bytes;
        QString line;
    };
    const std::vector<Case> cases = {
        {"magic.qdr", "Y\x01\x01" + good, "the first byte is 0x59, not 0x58 (\"X\")"},
        {"category.qdr", "X\x09\x01" + good, "the category is 9; it must be 0 to 4"},
        {"count.qdr", "X\x01\x80" + good,
         "count.qdr is not a picture pack Quadrillo can read: it claims -128 pictures."},
        {"short.qdr", "X\x01\x01" + good.chopped(10),
         QStringLiteral("the data of picture 1 runs past the end of the file: it needs %1 "
                        "bytes, %2 are there")
             .arg(kBitmap.size())
             .arg(kBitmap.size() - 10)},
        {"text.qdr", "X\x01\x02" + good + RawRecord("words", 11, "hello world"),
         "picture 2 is not a picture Quadrillo can show: it is in no picture format Quadrillo "
         "knows."},
        {"header.qdr", "X\x01", "the file is 2 bytes long, too short for a pack's 3-byte header"},
        {"record.qdr",
         "X\x01\x02" + good +
             "\x05"
             "ab",
         "the file ends inside the header of picture 2 of 2"},
    };
    for (const Case& c : cases) {
        WriteBytes(File(c.name), c.bytes);
        const Outcome run = Qdrpack({"check", c.name});
        EXPECT_EQ(run.status, 1) << c.name;
        EXPECT_EQ(run.err, QString::fromUtf8(c.name) + ": " + c.line + "\n");
        EXPECT_EQ(run.out, "");
    }

    // What the game plays through all the same is a warning: ok and status 0,
    // for check and list alike.
    const std::vector<Case> warnings = {
        {"title.qdr", "X\x01\x01" + RawRecord(std::string(50, 't'), kBitmap.size(), kBitmap),
         "the title of picture 1 is 50 bytes long; at most 49 fit"},
        {"tab.qdr", "X\x01\x01" + RawRecord("a\tb", kBitmap.size(), kBitmap),
         "the title of picture 1 holds byte 0x09, which is not a Windows-1252 character a "
         "title may hold"},
        {"tail.qdr", "X\x01\x01" + good + "abc", "3 bytes follow the last picture"},
    };
    for (const Case& c : warnings) {
        WriteBytes(File(c.name), c.bytes);
        const Outcome run = Qdrpack({"check", c.name});
        EXPECT_EQ(run.status, 0) << c.name;
        EXPECT_EQ(run.err, QString::fromUtf8(c.name) + ": warning: " + c.line + "\n");
        EXPECT_EQ(run.out, QString::fromUtf8(c.name) + ": ok (1 pictures)\n");
        const Outcome listed = Qdrpack({"list", c.name});
        EXPECT_EQ(listed.status, 0) << c.name;
        EXPECT_EQ(listed.err, run.err);
    }
    // A title of 49 bytes is no warning at all.
    WriteBytes(File("title49.qdr"),
               "X\x01\x01" + RawRecord(std::string(49, 't'), kBitmap.size(), kBitmap));
    const Outcome fits = Qdrpack({"check", "title49.qdr"});
    EXPECT_EQ(fits.status, 0);
    EXPECT_EQ(fits.err, "");

    const Outcome all = Qdrpack({"check", "sound.qdr", "magic.qdr", "gone.qdr", "sound.qdr"});
    EXPECT_EQ(all.status, 1);
    EXPECT_EQ(all.out, "sound.qdr: ok (1 pictures)\nsound.qdr: ok (1 pictures)\n");
    ASSERT_EQ(all.ErrLines().size(), 2);
    EXPECT_TRUE(all.ErrLines()[0].startsWith("magic.qdr: "));
    EXPECT_TRUE(all.ErrLines()[1].startsWith("qdrpack: Could not open \"gone.qdr\""));
    EXPECT_EQ(Qdrpack({"check", "sound.qdr"}).status, 0);

    // list shows what it can and reports the rest.
    const Outcome listed = Qdrpack({"list", "category.qdr"});
    EXPECT_EQ(listed.status, 1);
    EXPECT_EQ(listed.out, QStringLiteral("category.qdr: category 9 (unknown), 1 pictures\n"
                                         "   1  fine  (%1 bytes)\n")
                              .arg(kBitmap.size()));
    EXPECT_EQ(listed.err, "category.qdr: the category is 9; it must be 0 to 4\n");

    // A picture cut short is still written, padded, but the exit status tells.
    const Outcome cut = Qdrpack({"extract", "short.qdr", "1", "-o", "cut.bmp"});
    EXPECT_EQ(cut.status, 1);
    EXPECT_TRUE(cut.err.startsWith("short.qdr: Read Out the File")) << cut.err.toStdString();
    EXPECT_EQ(ReadBytes(File("cut.bmp")), kBitmap.chopped(10) + QByteArray(10, '\0'));
}

TEST_F(QdrpackTest, HelpAndUsageErrors) {
    for (const QStringList& args : {QStringList{"--help"}, {"-h"}, {"help"}}) {
        const Outcome run = Qdrpack(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(run.out.startsWith("Usage: qdrpack COMMAND")) << run.out.toStdString();
    }
    for (const QString command : {"create", "list", "extract", "check", "install"}) {
        const Outcome asked = Qdrpack({"help", command});
        EXPECT_EQ(asked.status, 0);
        EXPECT_TRUE(asked.out.startsWith("Usage: qdrpack " + command + " "));
        EXPECT_EQ(Qdrpack({command, "--help"}).out, asked.out);
        EXPECT_EQ(Qdrpack({command, "x", "-h"}).out, asked.out);
    }

    WriteBytes(File("p.qdr"), "X\x01\x01" + RawRecord("fine", kBitmap.size(), kBitmap));
    const std::vector<std::pair<QStringList, QString>> cases = {
        {{}, "qdrpack: no command given (see qdrpack --help)"},
        {{"frobnicate"}, "qdrpack: there is no command \"frobnicate\" (see qdrpack --help)"},
        {{"help", "frobnicate"}, "qdrpack: there is no command \"frobnicate\""},
        {{"create", "o.qdr", "--bogus", "a.png"},
         "qdrpack: create: unknown option --bogus (see qdrpack help create)"},
        {{"create", "o.qdr", "a.png", "--category"}, "qdrpack: create: --category needs a value"},
        {{"create", "o.qdr", "--category", "1", "--category", "2", "a.png"}, "more than once"},
        {{"create", "o.qdr", "--keep=yes", "a.png"}, "--keep takes no value"},
        {{"create", "o.qdr", "--category", "1"}, "no images named"},
        {{"create"}, "no pack file named"},
        {{"extract", "p.qdr"}, "give a pack and a picture number"},
        {{"extract", "p.qdr", "0"}, "must be 1 or more, not \"0\""},
        {{"extract", "p.qdr", "1x"}, "not \"1x\""},
        {{"check"}, "qdrpack: check: no pack named"},
        {{"install"}, "qdrpack: install: no pack named"},
        {{"install", "--force", "p.qdr"}, "qdrpack: install: unknown option --force"},
    };
    for (const auto& [args, message] : cases) {
        const Outcome run = Qdrpack(args);
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        ASSERT_EQ(run.ErrLines().size(), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.startsWith("qdrpack: "));
        EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(Exists("o.qdr"));
    EXPECT_FALSE(Exists("fine.bmp"));

    // A file that is not there is bad input, not bad usage.
    const Outcome missing = Qdrpack({"list", "gone.qdr"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "qdrpack: Could not open \"gone.qdr\": No such file or directory.\n");
}
