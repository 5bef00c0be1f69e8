// Starts the real game from another directory: a first run that finds no
// settings, then a run on a 7 x 7 grid set in the settings file. Each run
// must show one picture of the pack beside the binary, cut at its grid size.
#include "tests/e2e/GameHarness.h"

#include "platform/BmpWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <chrono>

namespace {

std::int64_t SteadyNow() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

struct StoredSettings {
    int dimension, category, title, random;
};

class StartupTest : public GameTest {
  protected:
    // Two pictures, so the board has to show the one the game extracted.
    std::vector<QImage> pictures_{MakeTestPicture(0), MakeTestPicture(1)};

    QString TempBmp() const { return ProgramFile(QStringLiteral("temp.bmp")); }

    int PictureInTempBmp() const { return PackPictureIn(TempBmp(), pictures_); }

    void ExpectSettings(const StoredSettings& expected) const {
        ASSERT_TRUE(QFileInfo::exists(SettingsFile()))
            << "no settings file " << Text(SettingsFile());
        QSettings stored(SettingsFile(), QSettings::IniFormat);
        EXPECT_EQ(stored.childGroups(), QStringList{QStringLiteral("Settings")});
        QStringList keys = stored.allKeys();
        keys.sort();
        EXPECT_EQ(keys, (QStringList{"Settings/Category", "Settings/Dimension", "Settings/Random",
                                     "Settings/Title"}))
            << Text(keys.join(' '));
        const auto value = [&](const char* key) {
            return stored.value(QStringLiteral("Settings/") + QLatin1String(key), -1).toInt();
        };
        EXPECT_EQ(value("Dimension"), expected.dimension);
        EXPECT_EQ(value("Category"), expected.category);
        EXPECT_EQ(value("Title"), expected.title);
        EXPECT_EQ(value("Random"), expected.random);
    }

    // The lines the game printed that start with "first-paint".
    QList<QByteArray> FirstPaintLines() {
        GameOutput();
        QList<QByteArray> lines;
        for (const QByteArray& line : gameOutput_.split('\n'))
            if (line.startsWith("first-paint"))
                lines.push_back(line.trimmed());
        return lines;
    }

    // Starts the game and waits for its window; use with ASSERT_NO_FATAL_FAILURE.
    void Start(const QProcessEnvironment& environment, QString* window) {
        ASSERT_NO_FATAL_FAILURE(StartGame(environment));
        std::string problem;
        const std::optional<QString> found = FindWindow(&problem);
        ASSERT_TRUE(found) << "the game's window did not appear: " << problem;
        *window = *found;
    }

    // The window's place, temp.bmp, the board at `grid`, then the close.
    void PlayAndClose(const QString& window, const Grid& grid) {
        std::string problem;
        const std::optional<QRect> outer = WindowOnScreen(window, &problem);
        ASSERT_TRUE(outer) << problem;
        EXPECT_EQ(outer->topLeft(), QPoint(100, 100)) << "the window is not shown at (100,100)";

        ASSERT_TRUE(QFileInfo::exists(TempBmp())) << "no temp.bmp beside the binary";
        const int extracted = PictureInTempBmp();
        ASSERT_GE(extracted, 0) << "temp.bmp is not byte for byte a picture of the pack";
        EXPECT_FALSE(QFileInfo::exists(QDir(launchDir_).filePath(QStringLiteral("temp.bmp"))))
            << "temp.bmp was written where the game was started from";

        const std::optional<QRect> board = BoardOnScreen(window, grid.BoardSize(), &problem);
        ASSERT_TRUE(board) << problem;
        board_ = *board;
        QImage image;
        int shown = -1;
        ASSERT_NO_FATAL_FAILURE(
            WaitForWholePicture(grid, pictures_, QStringLiteral("board"), &image, &shown));
        EXPECT_EQ(shown, extracted)
            << "the board shows another picture than temp.bmp holds" << Screenshots();

        ASSERT_NO_FATAL_FAILURE(CloseGame(window));
        EXPECT_FALSE(QFileInfo::exists(TempBmp())) << "temp.bmp is still beside the binary";
    }
};

TEST_F(StartupTest, FirstRunWritesDefaultsThenGridSizeComesFromSettings) {
    ASSERT_NO_FATAL_FAILURE(InstallGame());
    ASSERT_NO_FATAL_FAILURE(InstallPack(QStringLiteral("movies.qdr"), 2, pictures_));
    ASSERT_TRUE(QDir(configDir_).isEmpty());

    {
        SCOPED_TRACE("first run, no settings");
        QString window;
        ASSERT_NO_FATAL_FAILURE(Start(gameEnvironment_, &window));
        // Written before the window is made.
        ASSERT_NO_FATAL_FAILURE(ExpectSettings({5, 2, 0, 1}));
        ASSERT_NO_FATAL_FAILURE(PlayAndClose(window, Grid{5}));
        EXPECT_TRUE(FirstPaintLines().isEmpty())
            << "first paint reported though not asked for: " << GameOutput();
    }

    {
        SCOPED_TRACE("second run, Dimension=7");
        QFile settings(SettingsFile());
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
        settings.write("[Settings]\nDimension=7\nCategory=2\nTitle=0\nRandom=0\n");
        settings.close();

        // The start-up benchmark's hook rides along: one line, stamped
        // after the start and before the exit.
        QProcessEnvironment environment = gameEnvironment_;
        environment.insert(QStringLiteral("QUADRILLO_REPORT_FIRST_PAINT"), QStringLiteral("1"));
        const std::int64_t started = SteadyNow();
        QString window;
        ASSERT_NO_FATAL_FAILURE(Start(environment, &window));
        ASSERT_NO_FATAL_FAILURE(PlayAndClose(window, Grid{7}));
        const std::int64_t closed = SteadyNow();
        ExpectSettings({7, 2, 0, 0});

        const QList<QByteArray> lines = FirstPaintLines();
        ASSERT_EQ(lines.size(), 1) << "game output: " << GameOutput();
        bool number = false;
        const std::int64_t painted = lines.front().mid(12).toLongLong(&number);
        ASSERT_TRUE(lines.front().startsWith("first-paint ") && number) << Text(lines.front());
        EXPECT_GT(painted, started);
        EXPECT_LT(painted, closed);
    }
}

} // namespace
