#include "puzzle/Settings.h"
#include "platform/QSettingsProfileStore.h"
#include "puzzle/PuzzleState.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
