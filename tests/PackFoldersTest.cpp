// Where packs are read from, as the environment names the folders.
#include "platform/ProgramDirectory.h"

#include <gtest/gtest.h>

namespace {

using Folders = std::vector<std::filesystem::path>;

const std::filesystem::path kProgram = "/opt/games/quadrillo";
const QString kHome = QStringLiteral("/srv/player-home");
const std::filesystem::path kHomePacks = "/srv/player-home/.local/share/Quadrillo/packs";

Folders Of(const QString& dataHome, const QString& dataDirs) {
    return PackFolders(kProgram, dataHome, kHome, dataDirs);
}

} // namespace

TEST(PackFolders, ThePlayersFolderIsInDataHomeWhenThatIsAbsolute) {
    EXPECT_EQ(UserPackFolder("/data", kHome), "/data/Quadrillo/packs");
    EXPECT_EQ(UserPackFolder("/data/", kHome), "/data/Quadrillo/packs");
    EXPECT_EQ(UserPackFolder("/", kHome), "/Quadrillo/packs");
    // Unset, empty or relative: the default under the home folder.
    for (const QString& unusable : {QString(), QStringLiteral(""), QStringLiteral("data"),
                                    QStringLiteral("./data"), QStringLiteral(":/data")})
        EXPECT_EQ(UserPackFolder(unusable, kHome), kHomePacks) << unusable.toStdString();
}

TEST(PackFolders, ProgramThenPlayerThenEachAbsoluteDataDirInOrder) {
    const Folders defaults = {kProgram, "/data/Quadrillo/packs", "/usr/local/share/Quadrillo/packs",
                              "/usr/share/Quadrillo/packs"};
    EXPECT_EQ(Of("/data", QString()), defaults);
    EXPECT_EQ(Of("/data", ""), defaults);
    EXPECT_EQ(Of(QString(), "/b:/a"),
              (Folders{kProgram, kHomePacks, "/b/Quadrillo/packs", "/a/Quadrillo/packs"}));
    // Empty and relative entries are no folders; a list of only those is no
    // default either.
    EXPECT_EQ(
        Of("/data", "/a::rel:./b:/c:"),
        (Folders{kProgram, "/data/Quadrillo/packs", "/a/Quadrillo/packs", "/c/Quadrillo/packs"}));
    EXPECT_EQ(Of("/data", ":"), (Folders{kProgram, "/data/Quadrillo/packs"}));
    EXPECT_EQ(Of("/data", "rel"), (Folders{kProgram, "/data/Quadrillo/packs"}));
}

TEST(PackFolders, AFolderNamedTwiceIsTakenAtItsFirstPlace) {
    // Spelt differently: a trailing slash, "." and "..", doubled slashes.
    EXPECT_EQ(
        Of("/data", "/a/:/b:/x/../a:/a//.:/b/"),
        (Folders{kProgram, "/data/Quadrillo/packs", "/a/Quadrillo/packs", "/b/Quadrillo/packs"}));
    // The player's folder among the system folders stays second.
    EXPECT_EQ(Of("/data/", "/a:/data:/b"), (Folders{kProgram, "/data/Quadrillo/packs",
                                                    "/a/Quadrillo/packs", "/b/Quadrillo/packs"}));
    // So does the program directory, however it is spelt.
    EXPECT_EQ(
        PackFolders("/usr/share/Quadrillo/packs/", "/data", kHome, "/usr/share:/a"),
        (Folders{"/usr/share/Quadrillo/packs", "/data/Quadrillo/packs", "/a/Quadrillo/packs"}));
    EXPECT_EQ(PackFolders("/data/Quadrillo/packs", "/data", kHome, "/a"),
              (Folders{"/data/Quadrillo/packs", "/a/Quadrillo/packs"}));
}

TEST(PackFolders, AProgramDirectoryMadeFromAPathReadsOnlyItsOwnPacks) {
    const ProgramDirectory alone(kProgram, "/cache/Quadrillo");
    EXPECT_EQ(alone.PackFolders(), Folders{kProgram});
    EXPECT_EQ(alone.UserPackFolder(), kProgram);

    // Given folders come after it, each once, the program directory first
    // even when it is among them.
    const ProgramDirectory more(std::filesystem::path("/opt/games/quadrillo/"), {},
                                {"/data/packs/", kProgram, "/sys/packs"}, "/data/packs");
    EXPECT_EQ(more.Path(), kProgram);
    EXPECT_EQ(more.PackFolders(), (Folders{kProgram, "/data/packs", "/sys/packs"}));
    EXPECT_EQ(more.UserPackFolder(), "/data/packs");
}
