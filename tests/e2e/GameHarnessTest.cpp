// The harness itself: what the game prints is read while it runs, and a
// game that ends before its window shows is reported at once with how it
// ended and what it printed, not waited for.
#include "tests/e2e/GameHarness.h"

#include <QElapsedTimer>
#include <QThread>

#include <string>

namespace {

class GameHarnessTest : public GameTest {};

TEST_F(GameHarnessTest, FindWindowReportsAGameThatEndsBeforeItsWindow) {
    ASSERT_NO_FATAL_FAILURE(InstallGame());
    // An unknown option ends the game with status 2 and a line naming it.
    ASSERT_NO_FATAL_FAILURE(StartGame({QStringLiteral("--bogus")}));
    std::string problem;
    EXPECT_FALSE(FindWindow(&problem));
    EXPECT_NE(problem.find("the game ended"), std::string::npos) << problem;
    EXPECT_NE(problem.find("exit code 2"), std::string::npos) << problem;
    EXPECT_NE(problem.find("--bogus"), std::string::npos) << problem;
}

TEST_F(GameHarnessTest, GameOutputReadsWhatARunningGamePrinted) {
    ASSERT_NO_FATAL_FAILURE(InstallGame());
    ASSERT_NO_FATAL_FAILURE(InstallPack(QStringLiteral("test.qdr"), 2, {MakeTestPicture(0)}));
    // The game prints this line once its board is painted, then runs on.
    QProcessEnvironment environment = gameEnvironment_;
    environment.insert(QStringLiteral("QUADRILLO_REPORT_FIRST_PAINT"), QStringLiteral("1"));
    ASSERT_NO_FATAL_FAILURE(StartGame(environment));
    // Plain sleeps, no window search: any wait on the game would read its
    // output for GameOutput.
    QElapsedTimer waited;
    waited.start();
    std::string output = GameOutput();
    while (output.find("first-paint") == std::string::npos && waited.elapsed() < kWindowWaitMs) {
        QThread::msleep(kPollMs);
        output = GameOutput();
    }
    EXPECT_NE(output.find("first-paint"), std::string::npos) << output;
    std::string problem;
    const std::optional<QString> window = FindWindow(&problem);
    ASSERT_TRUE(window) << problem;
    ASSERT_NO_FATAL_FAILURE(CloseGame(*window));
}

} // namespace
