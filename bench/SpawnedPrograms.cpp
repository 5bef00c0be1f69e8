#include "bench/SpawnedPrograms.h"

#include "packs/PackWriter.h"
#include "platform/BmpWriter.h"

#include <QImage>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr auto kXvfbWait = std::chrono::seconds(10);
constexpr auto kExitWait = std::chrono::seconds(5);

QImage SamplePicture(int number) {
    QImage picture(600, 375, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y,
                             qRgb((x * 255 / 599 + number * 80) % 256, y * 255 / 374,
                                  ((x / 25) ^ (y / 25)) * 16 % 256));
    return picture;
}

// Nothing when all is in place, else what is not.
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
    const QString refused = WritePack(program / "movies.qdr", 2, pictures);
    return refused.isEmpty() ? std::string() : "sample pack refused: " + refused.toStdString();
}

std::vector<std::string> ChildEnvironment(const fs::path& root, const std::string& display) {
    const std::vector<std::pair<std::string, std::string>> set = {
        {"DISPLAY", display},
        {"QT_QPA_PLATFORM", "xcb"},
        {"XDG_CONFIG_HOME", (root / "config").string()},
        {"XDG_RUNTIME_DIR", (root / "runtime").string()},
        // Only the bench's own packs are scanned.
        {"XDG_DATA_HOME", (root / "data").string()},
        {"XDG_DATA_DIRS", (root / "system-data").string()},
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

} // namespace

std::string Errno(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

Child::Child(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
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

std::optional<std::string> Child::WaitForLine(const std::string& prefix,
                                              SpawnClock::time_point deadline) {
    while (true) {
        for (std::size_t end; (end = output_.find('\n', scanned_)) != std::string::npos;) {
            const std::string line = output_.substr(scanned_, end - scanned_);
            scanned_ = end + 1;
            if (line.starts_with(prefix))
                return line.substr(prefix.size());
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SpawnClock::now());
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

void Child::Stop() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        const SpawnClock::time_point deadline = SpawnClock::now() + kExitWait;
        int status = 0;
        while (waitpid(pid_, &status, WNOHANG) == 0) {
            if (SpawnClock::now() > deadline) {
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

SpawnedPrograms::SpawnedPrograms() {
    std::string name = (fs::temp_directory_path() / "quadrillo-bench-XXXXXX").string();
    if (!mkdtemp(name.data())) {
        error_ = Errno("mkdtemp");
        return;
    }
    root_ = name;
    try {
        error_ = MakeProgramDirectory(root_);
    } catch (const std::exception& error) {
        error_ = error.what();
    }
    if (!error_.empty())
        return;

    std::string display;
    if (const char* given = std::getenv("QUADRILLO_BENCH_DISPLAY"); given && *given) {
        display = given;
    } else {
        xvfb_.emplace(std::vector<std::string>{"Xvfb", "-displayfd", "3", "-screen", "0",
                                               "1280x1024x24", "-nolisten", "tcp"},
                      ChildEnvironment(root_, ""), root_, 3);
        const std::optional<std::string> number =
            xvfb_->Started() ? xvfb_->WaitForLine("", SpawnClock::now() + kXvfbWait) : std::nullopt;
        if (!number) {
            error_ = xvfb_->Started() ? "Xvfb named no display" : xvfb_->Problem();
            return;
        }
        display = ":" + *number;
    }
    environment_ = ChildEnvironment(root_, display);
}

SpawnedPrograms::~SpawnedPrograms() {
    xvfb_.reset();
    std::error_code ignored;
    if (!root_.empty())
        fs::remove_all(root_, ignored);
}

std::unique_ptr<Child> SpawnedPrograms::Start(const fs::path& program,
                                              const std::vector<std::string>& arguments) const {
    std::error_code ignored;
    fs::remove(ProgramDirectory() / "temp.bmp", ignored);
    std::vector<std::string> argv = {program.string()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return std::make_unique<Child>(argv, environment_, Launch(), 1);
}
