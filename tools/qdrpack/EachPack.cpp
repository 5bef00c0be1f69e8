#include "EachPack.h"

#include "Arguments.h"
#include "Console.h"
#include "Help.h"
#include "ToolErrors.h"
#include "platform/FileLayer.h"

int RunOverPacks(const std::string& command, const std::vector<std::string>& args,
                 const std::function<bool(const std::filesystem::path& pack)>& one,
                 const std::function<int()>& none) {
    const ParsedArguments parsed = ParseArguments(command, args, {});
    if (PrintHelpIfAsked(command, parsed.help))
        return 0;
    if (parsed.operands.empty() && none)
        return none();
    if (parsed.operands.empty())
        throw UsageError(command, "no pack named");
    bool allSound = true;
    for (const std::string& pack : parsed.operands) {
        try {
            allSound = one(pack) && allSound;
        } catch (const FileError& error) {
            PrintError(error.what());
            allSound = false;
        }
    }
    return allSound ? 0 : 1;
}
