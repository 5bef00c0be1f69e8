#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Action = CommandLine::Action;

CommandLine Parse(const QStringList& arguments) {
    return ParseCommandLine(arguments, QStringLiteral("/media/photos/holiday"));
}

} // namespace

TEST(CommandLine, OnePictureOrNoneHelpAndVersion) {
    EXPECT_EQ(Parse({}).action, Action::Play);
    EXPECT_TRUE(Parse({}).picture.isEmpty());

    const CommandLine relative = Parse({"beach.png"});
    EXPECT_EQ(relative.action, Action::Play);
    EXPECT_EQ(relative.picture, "/media/photos/holiday/beach.png");
    // Kept as given: ".." after a link is not the folder above on paper.
    EXPECT_EQ(Parse({"../sea.jpg"}).picture, "/media/photos/holiday/../sea.jpg");
    EXPECT_EQ(Parse({"/tmp/a b.bmp"}).picture, "/tmp/a b.bmp");
    // A lone "-" is a file name, and "--" makes anything after it one.
    EXPECT_EQ(Parse({"-"}).picture, "/media/photos/holiday/-");
    EXPECT_EQ(Parse({"--", "-h"}).picture, "/media/photos/holiday/-h");
    EXPECT_EQ(Parse({"--", "-h"}).action, Action::Play);

    for (const QString& help : QStringList{"-h", "--help"})
        EXPECT_EQ(Parse({help}).action, Action::Help) << help.toStdString();
    EXPECT_EQ(Parse({"--version"}).action, Action::Version);
    // Help wins wherever it stands, even after a mistake.
    EXPECT_EQ(Parse({"--bogus", "--help"}).action, Action::Help);
    EXPECT_EQ(Parse({"a.png", "b.png", "--version"}).action, Action::Version);
}

TEST(CommandLine, RefusesWhatItDoesNotKnow) {
    const CommandLine unknown = Parse({"--bogus"});
    EXPECT_EQ(unknown.action, Action::Refuse);
    EXPECT_EQ(unknown.problem, "unknown option --bogus");
    EXPECT_TRUE(unknown.picture.isEmpty());

    const CommandLine two = Parse({"a.png", "b.png"});
    EXPECT_EQ(two.action, Action::Refuse);
    EXPECT_EQ(two.problem, "one picture at most");
    // A refusal stands whatever follows.
    EXPECT_EQ(Parse({"--bogus", "a.png"}).action, Action::Refuse);
    EXPECT_EQ(Parse({"a.png", "b.png", "c.png"}).problem, "one picture at most");

    EXPECT_TRUE(UsageText().startsWith("Usage: quadrillo [PICTURE]"));
    EXPECT_EQ(VersionText(), "Quadrillo 1.00\n");
}
