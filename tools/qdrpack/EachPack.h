#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Runs a command that takes packs only: prints the help when asked, and goes
// on past a pack that cannot be read. `one` says whether its pack is sound;
// the result is the exit status. A command line without packs runs `none`
// for the exit status, or is refused when there is no `none`.
int RunOverPacks(const std::string& command, const std::vector<std::string>& args,
                 const std::function<bool(const std::filesystem::path& pack)>& one,
                 const std::function<int()>& none = {});
