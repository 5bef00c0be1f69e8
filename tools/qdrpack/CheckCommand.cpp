#include "CheckPack.h"
#include "Commands.h"
#include "Console.h"
#include "EachPack.h"

#include <filesystem>

namespace {

const std::string kCommand = "check";

} // namespace

int RunCheck(const std::vector<std::string>& args) {
    return RunOverPacks(kCommand, args, [](const std::filesystem::path& pack) {
        int pictures = 0;
        const bool playable = PrintFindings(pack, CheckPack(pack, pictures));
        if (playable)
            PrintOut(QStringLiteral("%1: ok (%2 pictures)").arg(Shown(pack)).arg(pictures));
        return playable;
    });
}
