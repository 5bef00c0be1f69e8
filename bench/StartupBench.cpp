// Start-up: from just before the game is spawned to its first painted board,
// against a bare Qt Widgets window of the same size with two menus. Both are
// started on an Xvfb of their own, in turns, so a busy spell on the machine
// costs both alike; the two benchmarks then report one start per repetition.
// QUADRILLO_BENCH_DISPLAY names an X server to use instead.
#include "bench/Floors.h"
#include "packs/PackWriter.h"
#include "platform/BmpWriter.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kStarts = 15;
constexpr auto kXvfbWait = std::chrono::seconds(10);
constexpr auto kPaintWait = std::chrono::seconds(20);
constexpr auto kExitWait = std::chrono::seconds(5);

std::int64_t Nanoseconds(Clock::time_point time) {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch()).count();
}

std::string Errno(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

// A spawned program whose output comes through a pipe. It is stopped and
// reaped at the latest when this goes, so no start leaves a process behind.
class Child {
  public:
    // The pipe is the child's stdout and stderr when `pipeFd` is 1, else
    // descriptor `pipeFd` with the other output thrown away.
    Child(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
          const fs::path& directory, int pipeFd) {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) != 0) {
            problem_ = Errno("pipe");
            return;
        }
        fd_ = ends[0];
        int write = ends[1];
        // dup2 onto itself would keep close-on-exec.
        if (write == pipeFd) {
            write = fcntl(ends[1], F_DUPFD_CLOEXEC, pipeFd + 1);
            close(ends[1]);
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        if (pipeFd == 1) {
            posix_spawn_file_actions_adddup2(&actions, write, 1);
            posix_spawn_file_actions_adddup2(&actions, write, 2);
        } else {
            posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
            posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
            posix_spawn_file_actions_adddup2(&actions, write, pipeFd);
        }
        posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
        std::vector<char*> args, env;
        for (const std::string& arg : argv)
            args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        for (const std::string& entry : environment)
            env.push_back(const_cast<char*>(entry.c_str()));
        env.push_back(nullptr);
        const int failed = posix_spawnp(&pid_, args[0], &actions, nullptr, args.data(), env.data());
        posix_spawn_file_actions_destroy(&actions);
        close(write);
        if (failed) {
            pid_ = -1;
            problem_ = argv[0] + ": " + std::strerror(failed);
        }
    }

    ~Child() { Stop(); }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Started() const { return pid_ > 0; }
    const std::string& Problem() const { return problem_; }
    const std::string& Output() const { return output_; }

    // The rest of the first line that starts with `prefix`; nothing when the
    // output ends or the deadline passes first.
    std::optional<std::string> WaitForLine(const std::string& prefix, Clock::time_point deadline) {
        while (true) {
            for (std::size_t end; (end = output_.find('\n', scanned_)) != std::string::npos;) {
                const std::string line = output_.substr(scanned_, end - scanned_);
                scanned_ = end + 1;
                if (line.starts_with(prefix))
                    return line.substr(prefix.size());
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            pollfd ready{fd_, POLLIN, 0};
            if (left.count() <= 0 || poll(&ready, 1, int(left.count()) + 1) == 0)
                return std::nullopt;
            char buffer[4096];
            const ssize_t got = read(fd_, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                return std::nullopt;
            output_.append(buffer, std::size_t(got));
        }
    }

    // SIGTERM, then SIGKILL if it lingers; reaps it either way.
    void Stop() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            const Clock::time_point deadline = Clock::now() + kExitWait;
            int status = 0;
            while (waitpid(pid_, &status, WNOHANG) == 0) {
                if (Clock::now() > deadline) {
                    kill(pid_, SIGKILL);
                    waitpid(pid_, &status, 0);
                    break;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
            pid_ = -1;
        }
        if (fd_ >= 0)
            close(fd_);
        fd_ = -1;
    }

  private:
    pid_t pid_ = -1;
    int fd_ = -1;
    std::string output_;
    std::size_t scanned_ = 0;
    std::string problem_;
};

// Removed with everything in it when this goes.
struct ScratchDir {
    fs::path path;
    ScratchDir() {
        std::string name = (fs::temp_directory_path() / "quadrillo-startup-XXXXXX").string();
        if (mkdtemp(name.data()))
            path = name;
    }
    ~ScratchDir() {
        std::error_code ignored;
        if (!path.empty())
            fs::remove_all(path, ignored);
    }
};

QImage SamplePicture(int number) {
    QImage picture(600, 375, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y,
                             qRgb((x * 255 / 599 + number * 80) % 256, y * 255 / 374,
                                  ((x / 25) ^ (y / 25)) * 16 % 256));
    return picture;
}

// The game's own directory with a pack of Movies, the settings of a start
// that is not the first, and the bare window beside the game, so both are
// read from the same disk.
std::string MakeProgramDirectory(const fs::path& root) {
    const fs::path program = root / "program";
    fs::create_directories(program);
    fs::create_directories(root / "launch");
    fs::create_directories(root / "config" / "Quadrillo");
    fs::create_directories(root / "runtime");
    // Qt refuses a runtime directory others can read.
    fs::permissions(root / "runtime", fs::perms::owner_all);
    fs::copy_file(QUADRILLO_GAME_BINARY, program / "quadrillo");
    fs::copy_file(QUADRILLO_BARE_WINDOW_BINARY, program / "bare_window");
    std::ofstream(root / "config" / "Quadrillo" / "quadrillo.conf")
        << "[Settings]\nDimension=5\nCategory=2\nTitle=0\nRandom=1\n";

    std::vector<PackPicture> pictures;
    for (int number = 0; number < 3; ++number)
        pictures.push_back(
            {QStringLiteral("Sample %1").arg(number + 1), EncodeBmp24(SamplePicture(number))});
    return WritePack(program / "movies.qdr", 2, pictures).toStdString();
}

std::vector<std::string> ChildEnvironment(const fs::path& root, const std::string& display) {
    const std::vector<std::pair<std::string, std::string>> set = {
        {"DISPLAY", display},
        {"QT_QPA_PLATFORM", "xcb"},
        {"XDG_CONFIG_HOME", (root / "config").string()},
        {"XDG_RUNTIME_DIR", (root / "runtime").string()},
        {"QUADRILLO_REPORT_FIRST_PAINT", "1"},
    };
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        bool replaced = false;
        for (const auto& [name, value] : set)
            replaced = replaced || text.starts_with(name + "=");
        if (!replaced)
            environment.push_back(text);
    }
    for (const auto& [name, value] : set)
        environment.push_back(name + "=" + value);
    return environment;
}

// Seconds from just before the spawn to the first paint the program reports.
std::optional<double> TimeToFirstPaint(const fs::path& program, const fs::path& launch,
                                       const std::vector<std::string>& environment,
                                       std::string* problem) {
    const Clock::time_point before = Clock::now();
    Child child({program.string()}, environment, launch, 1);
    if (!child.Started()) {
        *problem = child.Problem();
        return std::nullopt;
    }
    const std::optional<std::string> line = child.WaitForLine("first-paint ", before + kPaintWait);
    if (!line) {
        *problem =
            program.filename().string() + " reported no first paint; its output: " + child.Output();
        return std::nullopt;
    }
    return double(std::strtoll(line->c_str(), nullptr, 10) - Nanoseconds(before)) / 1e9;
}

struct Series {
    std::vector<double> seconds;
    std::size_t next = 0;
};

struct StartupSamples {
    Series game;
    Series bare;
    std::string error;
};

StartupSamples Measure() {
    StartupSamples samples;
    const ScratchDir scratch;
    if (scratch.path.empty()) {
        samples.error = Errno("mkdtemp");
        return samples;
    }
    try {
        const std::string refused = MakeProgramDirectory(scratch.path);
        if (!refused.empty()) {
            samples.error = "sample pack refused: " + refused;
            return samples;
        }
    } catch (const std::exception& error) {
        samples.error = error.what();
        return samples;
    }

    std::optional<Child> xvfb;
    std::string display;
    if (const char* given = std::getenv("QUADRILLO_BENCH_DISPLAY"); given && *given) {
        display = given;
    } else {
        xvfb.emplace(std::vector<std::string>{"Xvfb", "-displayfd", "3", "-screen", "0",
                                              "1280x1024x24", "-nolisten", "tcp"},
                     ChildEnvironment(scratch.path, ""), scratch.path, 3);
        const std::optional<std::string> number =
            xvfb->Started() ? xvfb->WaitForLine("", Clock::now() + kXvfbWait) : std::nullopt;
        if (!number) {
            samples.error = xvfb->Started() ? "Xvfb named no display" : xvfb->Problem();
            return samples;
        }
        display = ":" + *number;
    }

    const std::vector<std::string> environment = ChildEnvironment(scratch.path, display);
    const fs::path launch = scratch.path / "launch";
    const fs::path game = scratch.path / "program" / "quadrillo";
    const fs::path bare = scratch.path / "program" / "bare_window";
    // One start of each first, so neither pays for a cold page cache.
    for (int start = -1; start < kStarts; ++start) {
        const bool gameFirst = start % 2 == 0;
        for (const bool isGame : {gameFirst, !gameFirst}) {
            // The game's own exit deletes temp.bmp; the SIGTERM here does not.
            std::error_code ignored;
            fs::remove(scratch.path / "program" / "temp.bmp", ignored);
            const std::optional<double> seconds =
                TimeToFirstPaint(isGame ? game : bare, launch, environment, &samples.error);
            if (!seconds)
                return samples;
            if (start >= 0)
                (isGame ? samples.game : samples.bare).seconds.push_back(*seconds);
        }
    }
    return samples;
}

StartupSamples& Samples() {
    static StartupSamples samples = Measure();
    return samples;
}

void ReportStarts(benchmark::State& state, Series StartupSamples::*series) {
    StartupSamples& samples = Samples();
    if (!samples.error.empty()) {
        state.SkipWithError(samples.error.c_str());
        return;
    }
    Series& starts = samples.*series;
    const double seconds = starts.seconds[starts.next++ % starts.seconds.size()];
    for (auto _ : state)
        state.SetIterationTime(seconds);
}

void BM_StartupGame(benchmark::State& state) {
    ReportStarts(state, &StartupSamples::game);
}
BENCHMARK(BM_StartupGame)
    ->Iterations(1)
    ->Repetitions(kStarts)
    ->ReportAggregatesOnly(true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_StartupBareWindow(benchmark::State& state) {
    ReportStarts(state, &StartupSamples::bare);
}
BENCHMARK(BM_StartupBareWindow)
    ->Iterations(1)
    ->Repetitions(kStarts)
    ->ReportAggregatesOnly(true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

const RegisterFloorGoal startupGoal("BM_StartupGame", "BM_StartupBareWindow", 1.15);

} // namespace
