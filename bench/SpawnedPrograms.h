#pragma once

// What the benchmarks that start the game as its own process share: a
// spawned program read through a pipe, and a scratch copy of the game's
// directory with the bare window beside it, both to run on an X server.
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using SpawnClock = std::chrono::steady_clock;

// A spawned program whose output comes through a pipe. It is stopped and
// reaped at the latest when this goes, so no start leaves a process behind.
class Child {
  public:
    // The pipe is the child's stdout and stderr when `pipeFd` is 1, else
    // descriptor `pipeFd` with the other output thrown away.
    Child(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
          const std::filesystem::path& directory, int pipeFd);
    ~Child() { Stop(); }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Started() const { return pid_ > 0; }
    pid_t Pid() const { return pid_; }
    const std::string& Problem() const { return problem_; }
    const std::string& Output() const { return output_; }

    // The rest of the first line that starts with `prefix`; nothing when the
    // output ends or the deadline passes first.
    std::optional<std::string> WaitForLine(const std::string& prefix,
                                           SpawnClock::time_point deadline);
    // SIGTERM, then SIGKILL if it lingers; reaps it either way.
    void Stop();

  private:
    pid_t pid_ = -1;
    int fd_ = -1;
    std::string output_;
    std::size_t scanned_ = 0;
    std::string problem_;
};

// The game's own directory with a pack of Movies and no samples, the
// settings of a start that is not the first, the bare window beside the game
// so both are read from the same disk, and an X server for both: the one
// QUADRILLO_BENCH_DISPLAY names, else an Xvfb of its own. All of it goes
// when this does.
class SpawnedPrograms {
  public:
    SpawnedPrograms();
    ~SpawnedPrograms();
    SpawnedPrograms(const SpawnedPrograms&) = delete;
    SpawnedPrograms& operator=(const SpawnedPrograms&) = delete;

    // Empty when everything is ready.
    const std::string& Error() const { return error_; }
    std::filesystem::path Game() const { return root_ / "program" / "quadrillo"; }
    std::filesystem::path BareWindow() const { return root_ / "program" / "bare_window"; }
    std::filesystem::path ProgramDirectory() const { return root_ / "program"; }
    // Where the programs start, away from their own directory.
    std::filesystem::path Launch() const { return root_ / "launch"; }
    // Names the X server and the scratch settings; asks for first-paint lines.
    const std::vector<std::string>& Environment() const { return environment_; }

    // Starts `program` with `arguments`, its output through the pipe. A
    // game stopped by SIGTERM leaves its working picture; each start is
    // without it, as after a game that ended well.
    std::unique_ptr<Child> Start(const std::filesystem::path& program,
                                 const std::vector<std::string>& arguments = {}) const;

  private:
    std::filesystem::path root_;
    std::optional<Child> xvfb_;
    std::vector<std::string> environment_;
    std::string error_;
};

std::string Errno(const std::string& what);
