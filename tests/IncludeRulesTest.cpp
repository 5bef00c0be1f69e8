// Arrows only go down: platform <- packs <- puzzle <- options <- app, read from
// the #include lines of every source file.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

struct Rule {
    std::set<std::string> mayUse; // folders of ours, its own included
    bool widgets;                 // may include Qt Widgets headers
};

// Folders not listed (tests, benchmarks, fuzzing) may use everything.
const std::map<std::string, Rule>& Rules() {
    static const std::map<std::string, Rule> rules = {
        {"platform", {{"platform"}, true}},
        {"packs", {{"packs", "platform"}, false}},
        {"puzzle", {{"puzzle", "packs", "platform"}, false}},
        {"options", {{"options", "puzzle", "packs", "platform", "resources"}, true}},
        {"app", {{"app", "options", "puzzle", "packs", "platform", "resources"}, true}},
        {"resources", {{"resources"}, false}},
        {"tools", {{"tools", "packs", "platform"}, false}},
        {"samples", {{"samples", "packs", "platform"}, false}},
    };
    return rules;
}

const std::set<std::string> kOurFolders = {"platform", "packs",     "puzzle", "options",
                                           "app",      "resources", "tools",  "samples",
                                           "tests",    "bench",     "fuzz"};

struct Include {
    std::string name;
    bool angled;
};

std::vector<Include> IncludesOf(const QString& text) {
    static const QRegularExpression line(QStringLiteral(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])"),
                                         QRegularExpression::MultilineOption);
    std::vector<Include> includes;
    for (auto match = line.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        includes.push_back({found.captured(2).toStdString(), found.captured(1) == "<"});
    }
    return includes;
}

std::string TopFolder(const std::string& path) {
    return path.substr(0, path.find('/'));
}

// The arrows a file's includes draw that its folder may not draw.
std::vector<std::string> ForbiddenIncludes(const std::string& file,
                                           const std::vector<Include>& includes,
                                           const QSet<QString>& widgetHeaders) {
    const auto rule = Rules().find(TopFolder(file));
    if (rule == Rules().end())
        return {};
    std::vector<std::string> forbidden;
    for (const Include& include : includes) {
        if (include.angled) {
            const QString name = QString::fromStdString(include.name);
            const bool widgets =
                name.startsWith(QStringLiteral("QtWidgets/")) || widgetHeaders.contains(name);
            if (widgets && !rule->second.widgets)
                forbidden.push_back(file + " -> <" + include.name + "> (Qt Widgets)");
            continue;
        }
        const std::string folder = TopFolder(include.name);
        if (include.name.find('/') == std::string::npos || !kOurFolders.contains(folder))
            continue; // beside the file itself
        if (!rule->second.mayUse.contains(folder))
            forbidden.push_back(file + " -> " + include.name);
    }
    return forbidden;
}

QSet<QString> WidgetHeaders() {
    QSet<QString> names;
    for (const QString& entry : QDir(QStringLiteral(QT_WIDGETS_INCLUDE_DIR)).entryList(QDir::Files))
        names.insert(entry);
    return names;
}

} // namespace

TEST(IncludeRules, TheRuleCatchesEveryKindOfForbiddenArrow) {
    const QSet<QString> widgets = {"QWidget", "qwidget.h"};
    const auto check = [&](const std::string& file, Include include) {
        return ForbiddenIncludes(file, {include}, widgets).size();
    };
    EXPECT_EQ(check("puzzle/Board.cpp", {"app/MainFrame.h", false}), 1u);
    EXPECT_EQ(check("packs/PackReader.h", {"puzzle/Board.h", false}), 1u);
    EXPECT_EQ(check("platform/FileLayer.cpp", {"packs/PackFormat.h", false}), 1u);
    EXPECT_EQ(check("options/OptionsDlg.cpp", {"app/MainFrame.h", false}), 1u);
    EXPECT_EQ(check("tools/qdrpack/main.cpp", {"puzzle/Board.h", false}), 1u);
    EXPECT_EQ(check("packs/PackReader.cpp", {"QWidget", true}), 1u);
    EXPECT_EQ(check("puzzle/BoardView.cpp", {"QtWidgets/QMessageBox", true}), 1u);

    EXPECT_EQ(check("puzzle/Board.h", {"packs/PackFormat.h", false}), 0u);
    EXPECT_EQ(check("app/MainFrame.cpp", {"options/OptionsDlg.h", false}), 0u);
    EXPECT_EQ(check("options/OptionsDlg.cpp", {"QWidget", true}), 0u);
    EXPECT_EQ(check("puzzle/Board.cpp", {"QImage", true}), 0u);
    EXPECT_EQ(check("tools/qdrpack/main.cpp", {"Console.h", false}), 0u);
    EXPECT_EQ(check("tests/MainFrameTest.cpp", {"app/MainFrame.h", false}), 0u);
}

TEST(IncludeRules, EverySourceFileKeepsTheArrowsGoingDown) {
    const QSet<QString> widgets = WidgetHeaders();
    ASSERT_TRUE(widgets.contains(QStringLiteral("QWidget"))) << "no Qt Widgets headers found";
    const QDir root(QStringLiteral(QUADRILLO_SOURCE_DIR));
    std::vector<std::string> forbidden;
    int files = 0;
    for (const auto& [folder, rule] : Rules()) {
        QDirIterator it(root.filePath(QString::fromStdString(folder)),
                        {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
            ++files;
            for (std::string& arrow :
                 ForbiddenIncludes(root.relativeFilePath(path).toStdString(),
                                   IncludesOf(QString::fromUtf8(file.readAll())), widgets))
                forbidden.push_back(std::move(arrow));
        }
    }
    EXPECT_GT(files, 50);
    EXPECT_TRUE(forbidden.empty()) << [&] {
        std::string all;
        for (const std::string& arrow : forbidden)
            all += "\n  " + arrow;
        return "forbidden includes:" + all;
    }();
}
