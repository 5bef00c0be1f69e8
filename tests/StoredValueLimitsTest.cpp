#include "platform/QSettingsProfileStore.h"
#include "puzzle/PuzzleState.h"
#include "puzzle/Settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

// The real QSettings backend, in a scratch configuration directory. Every
// file written gets a directory of its own: QSettings keeps what it read of
// a file and may miss a rewrite of the same size within its clock tick.
class StoredValueLimits : public ::testing::Test {
  protected:
    void SetUp() override { Fresh(); }
    void Fresh() {
        base = config.filePath(QString::number(++generation));
        QDir().mkpath(base);
        qputenv("XDG_CONFIG_HOME", base.toUtf8());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, base);
    }
    QString File() const { return base + "/Quadrillo/quadrillo.conf"; }
    void WriteFile(const QByteArray& text) {
        Fresh();
        QDir(base).mkpath("Quadrillo");
        QFile file(File());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray ReadFile() const {
        QFile file(File());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // What the INI layer hands over, so the test knows which text it tests.
    QString StoredText(const QString& key) const {
        return QSettings(File(), QSettings::IniFormat).value(key).toString();
    }
    PuzzleState Load() {
        PuzzleState state;
        QSettingsProfileStore store("Quadrillo", "quadrillo");
        LoadSettings(state, store);
        return state;
    }
    QTemporaryDir config;
    QString base;
    int generation = 0;
};

struct Values {
    int dimension, category, title, random;
    bool operator==(const Values&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Values& v) {
    return out << "{" << v.dimension << ", " << v.category << ", " << v.title << ", " << v.random
               << "}";
}
Values Of(const PuzzleState& s) {
    return {s.dimension, s.category, s.title, s.randomMode};
}

constexpr Values kDefaults{5, 2, 0, 1};

} // namespace

TEST_F(StoredValueLimits, TextsReadAsThirtyTwoBitValuesOrTheFallback) {
    constexpr std::int32_t kFallback = 4242;
    const struct {
        QByteArray line; // as the file holds it
        QString text;    // as the INI layer reads it
        std::int32_t expected;
    } cases[] = {
        {"2147483647", "2147483647", 2147483647},
        {"2147483648", "2147483648", INT32_MIN},
        {"4294967294", "4294967294", -2},
        {"4294967295", "4294967295", -1},
        {"4294967296", "4294967296", kFallback},
        {"4294967300", "4294967300", kFallback},
        {"-1", "-1", -1},
        {"-2147483648", "-2147483648", INT32_MIN},
        {"-2147483649", "-2147483649", kFallback},
        {"-4294967292", "-4294967292", kFallback},
        {"0", "0", 0},
        {"\" 7 \"", " 7 ", 7},
        {"7x", "7x", kFallback},
        {"", "", kFallback},
        {"0x10", "0x10", kFallback},
        {"99999999999999999999", "99999999999999999999", kFallback},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        WriteFile("[Settings]\nValue=" + c.line + "\n");
        ASSERT_EQ(StoredText("Settings/Value"), c.text);
        QSettingsProfileStore store("Quadrillo", "quadrillo");
        EXPECT_EQ(store.GetProfileInt("Settings", "Value", kFallback), c.expected);
    }
    // A value never stored is the fallback, whatever it is.
    QSettingsProfileStore store("Quadrillo", "quadrillo");
    EXPECT_EQ(store.GetProfileInt("Settings", "Missing", INT32_MIN), INT32_MIN);
    EXPECT_EQ(store.GetProfileInt("Settings", "Missing", -1), -1);
}

TEST_F(StoredValueLimits, WrittenValuesReadBackAtTheEdges) {
    for (std::int32_t value : {INT32_MIN, -1, 0, INT32_MAX}) {
        SCOPED_TRACE(value);
        {
            QSettingsProfileStore store("Quadrillo", "quadrillo");
            store.WriteProfileInt("Settings", "Value", value);
        }
        QSettingsProfileStore store("Quadrillo", "quadrillo");
        EXPECT_EQ(store.GetProfileInt("Settings", "Value", 4242), value);
    }
}

TEST_F(StoredValueLimits, CategoryThatReadsAsMinusOneOrMissingIsAFirstRun) {
    // Every other value stored away from its default, so a rewrite shows.
    for (const QByteArray category : {"-1", "4294967295", "4294967296", "4294967300", "", "7x"}) {
        SCOPED_TRACE(category.toStdString());
        WriteFile("[Settings]\nDimension=7\nCategory=" + category + "\nTitle=3\nRandom=0\n");
        EXPECT_EQ(Of(Load()), kDefaults);
        QSettings written(File(), QSettings::IniFormat);
        EXPECT_EQ(written.value("Settings/Dimension").toString(), "5");
        EXPECT_EQ(written.value("Settings/Category").toString(), "2");
        EXPECT_EQ(written.value("Settings/Title").toString(), "0");
        EXPECT_EQ(written.value("Settings/Random").toString(), "1");
    }
}

TEST_F(StoredValueLimits, CategoryOutOfRangeFallsBackWithoutTouchingTheStore) {
    const struct {
        QByteArray category;
        int expected;
    } cases[] = {
        {"0", 0},          {"4", 4},          {"5", 2},  {"4294967294", 2},
        {"2147483648", 2}, {"2147483647", 2}, {"-2", 2}, {"4294967292", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.category.toStdString());
        const QByteArray text =
            "[Settings]\nDimension=7\nCategory=" + c.category + "\nTitle=3\nRandom=0\n";
        WriteFile(text);
        EXPECT_EQ(Of(Load()), (Values{7, c.expected, 3, 0}));
        EXPECT_EQ(ReadFile(), text);
    }
}

TEST_F(StoredValueLimits, DimensionTitleAndRandomAtTheirRangesAndWrapped) {
    // The wrapped reading of each wide value (2^32 + k) is in range, so only
    // refusing it gives the default.
    const struct {
        const char* key;
        QByteArray stored;
        Values expected;
    } cases[] = {
        {"Dimension", "3", {5, 1, 3, 0}},
        {"Dimension", "4", {4, 1, 3, 0}},
        {"Dimension", "10", {10, 1, 3, 0}},
        {"Dimension", "11", {5, 1, 3, 0}},
        {"Dimension", "4294967300", {5, 1, 3, 0}},
        {"Dimension", "4294967305", {5, 1, 3, 0}},
        {"Dimension", "-4294967292", {5, 1, 3, 0}},
        {"Dimension", "\" 7 \"", {7, 1, 3, 0}},
        {"Dimension", "7x", {5, 1, 3, 0}},
        {"Title", "0", {6, 1, 0, 0}},
        {"Title", "-1", {6, 1, 0, 0}},
        {"Title", "4294967295", {6, 1, 0, 0}},
        {"Title", "998", {6, 1, 998, 0}},
        {"Title", "1000", {6, 1, 1000, 0}},
        {"Title", "2147483647", {6, 1, 2147483647, 0}},
        {"Title", "2147483648", {6, 1, 0, 0}},
        {"Title", "4294967299", {6, 1, 0, 0}},
        {"Title", "0x10", {6, 1, 0, 0}},
        {"Title", "", {6, 1, 0, 0}},
        {"Random", "0", {6, 1, 3, 0}},
        {"Random", "1", {6, 1, 3, 1}},
        {"Random", "2", {6, 1, 3, 1}},
        {"Random", "4294967295", {6, 1, 3, 1}},
        {"Random", "4294967296", {6, 1, 3, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.stored.toStdString());
        QByteArray text = "[Settings]\nCategory=1\n";
        for (const char* key : {"Dimension", "Title", "Random"}) {
            const QByteArray others = key == std::string("Dimension") ? "6"
                                      : key == std::string("Title")   ? "3"
                                                                      : "0";
            text += QByteArray(key) + "=" + (key == std::string(c.key) ? c.stored : others) + "\n";
        }
        WriteFile(text);
        EXPECT_EQ(Of(Load()), c.expected);
        EXPECT_EQ(ReadFile(), text);
    }
}

TEST_F(StoredValueLimits, TitleOf999IsKeptLikeItsNeighbours) {
    WriteFile("[Settings]\nDimension=6\nCategory=1\nTitle=999\nRandom=0\n");
    EXPECT_EQ(Of(Load()), (Values{6, 1, 999, 0}));
}
