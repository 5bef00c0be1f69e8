#include "puzzle/Settings.h"
#include "RecordingMessageBox.h"
#include "platform/QSettingsProfileStore.h"
#include "puzzle/PuzzleState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The real QSettings backend, in a scratch configuration directory.
class SettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    }
    QString File() const { return config.filePath("Quadrillo/quadrillo.conf"); }
    void WriteFile(const QByteArray& text) {
        QDir(config.path()).mkpath("Quadrillo");
        QFile file(File());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray ReadFile() const {
        QFile file(File());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    PuzzleState Load() {
        PuzzleState state;
        QSettingsProfileStore store("Quadrillo", "quadrillo");
        LoadSettings(state, store);
        return state;
    }
    QTemporaryDir config;
};

void ExpectSettings(const PuzzleState& s, int dimension, int category, int title, int random) {
    EXPECT_EQ(s.dimension, dimension);
    EXPECT_EQ(s.category, category);
    EXPECT_EQ(s.title, title);
    EXPECT_EQ(s.randomMode, random);
}

} // namespace

TEST_F(SettingsTest, FirstRunWritesTheDefaultsAndReadsThemBack) {
    ExpectSettings(Load(), 5, 2, 0, 1);
    QSettings written(File(), QSettings::IniFormat);
    EXPECT_EQ(written.value("Settings/Dimension").toInt(), 5);
    EXPECT_EQ(written.value("Settings/Category").toInt(), 2);
    EXPECT_EQ(written.value("Settings/Title").toInt(), 0);
    EXPECT_EQ(written.value("Settings/Random").toInt(), 1);
}

TEST_F(SettingsTest, CategoryOfAllOnesIsAFirstRunAgain) {
    WriteFile("[Settings]\nDimension=7\nCategory=4294967295\nTitle=3\nRandom=0\n");
    ExpectSettings(Load(), 5, 2, 0, 1);
    EXPECT_TRUE(ReadFile().contains("Dimension=5"));
}

TEST_F(SettingsTest, OutOfRangeValuesFallBackWithoutTouchingTheStore) {
    // Category present: no first run, so the missing Dimension reads as the
    // marker 999 and is replaced in the state only.
    const QByteArray text = "[Settings]\nCategory=3\nTitle=2\nRandom=0\n";
    WriteFile(text);
    ExpectSettings(Load(), 5, 3, 2, 0);
    EXPECT_EQ(ReadFile(), text);

    WriteFile("[Settings]\nDimension=11\nCategory=9\nTitle=-4\nRandom=2\n");
    ExpectSettings(Load(), 5, 2, 0, 1);
    WriteFile("[Settings]\nDimension=seven\nCategory=1\nTitle=x\nRandom=99999999999\n");
    ExpectSettings(Load(), 5, 1, 0, 1);
    WriteFile("[Settings]\nDimension=10\nCategory=0\nTitle=12\nRandom=0\n");
    ExpectSettings(Load(), 10, 0, 12, 0);
}

TEST_F(SettingsTest, SaveWritesAllFourValues) {
    PuzzleState state;
    state.dimension = 8;
    state.category = 4;
    state.title = 1;
    state.randomMode = 0;
    {
        QSettingsProfileStore store("Quadrillo", "quadrillo");
        SaveSettings(state, store);
    }
    ExpectSettings(Load(), 8, 4, 1, 0);
}

TEST_F(SettingsTest, AFileThatHoldsNoSettingsIsToldOnceAndLeftAsItIs) {
    QByteArray binary(300, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 37 + 11) % 256);
    for (const QByteArray& garbage :
         {binary, QByteArray("hello world\n[[[\n=\nDimension\n"), QByteArray("[Settings\n")}) {
        WriteFile(garbage);
        PuzzleState state;
        QSettingsProfileStore store("Quadrillo", "quadrillo");
        LoadSettings(state, store);
        ExpectSettings(state, 5, 2, 0, 1);
        state.dimension = 9;
        SaveSettings(state, store);
        EXPECT_EQ(ReadFile(), garbage);
        // Within the run the values written are kept.
        EXPECT_EQ(store.GetProfileInt("Settings", "Dimension", 0), 9);

        RecordingMessageBox messages;
        ReportSettingsFault(store, messages);
        ReportSettingsFault(store, messages);
        ASSERT_EQ(messages.boxes.size(), 1u);
        EXPECT_EQ(messages.boxes[0].text,
                  "Could not read \"" + File() +
                      "\": it does not hold settings Quadrillo can read. Quadrillo uses its "
                      "default settings and leaves that file as it is.");
    }
    // A sound file with a stray line is still read, not refused.
    WriteFile("[Settings]\nDimension=7\nCategory=1\nTitle=0\nRandom=0\n");
    QSettingsProfileStore store("Quadrillo", "quadrillo");
    EXPECT_FALSE(store.TakeFault());
    EXPECT_EQ(store.GetProfileInt("Settings", "Dimension", 0), 7);
}

TEST_F(SettingsTest, APipeOrAFolderInThePlaceOfTheFileIsNeverRead) {
    QDir(config.path()).mkpath("Quadrillo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(File()).constData(), 0600), 0);
    auto loading = std::async(std::launch::async, [] {
        PuzzleState state;
        QSettingsProfileStore store("Quadrillo", "quadrillo");
        LoadSettings(state, store);
        SaveSettings(state, store);
        const std::optional<FileError> fault = store.TakeFault();
        return std::make_pair(state.dimension, fault ? fault->Reason() : std::string());
    });
    const bool finished = loading.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    if (!finished)
        ::close(::open(QFile::encodeName(File()).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    ASSERT_TRUE(finished);
    EXPECT_EQ(loading.get(), std::make_pair(5, std::string(kNotARegularFile)));

    QFile::remove(File());
    QDir(config.path()).mkpath("Quadrillo/quadrillo.conf");
    PuzzleState state;
    QSettingsProfileStore store("Quadrillo", "quadrillo");
    LoadSettings(state, store);
    ExpectSettings(state, 5, 2, 0, 1);
    const std::optional<FileError> fault = store.TakeFault();
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->What(), FileError::Operation::Read);
    EXPECT_EQ(fault->Reason(), kNotARegularFile);
    EXPECT_TRUE(QFileInfo(File()).isDir());
}

TEST_F(SettingsTest, AFileThatCannotBeWrittenIsToldOnceAndTheValuesLastTheRun) {
    // A file where the settings folder should be: nothing can be written.
    QFile blocker(config.filePath("Quadrillo"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettingsProfileStore store("Quadrillo", "quadrillo");
    PuzzleState state;
    LoadSettings(state, store); // a first run writes the defaults
    ExpectSettings(state, 5, 2, 0, 1);
    state.dimension = 6;
    SaveSettings(state, store);
    EXPECT_EQ(store.GetProfileInt("Settings", "Dimension", 0), 6);

    RecordingMessageBox messages;
    ReportSettingsFault(store, messages);
    SaveSettings(state, store);
    ReportSettingsFault(store, messages);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Could not write \"" + File() +
                                          "\": it cannot be written. Changed settings last "
                                          "until Quadrillo ends.");
}
