#include "Commands.h"
#include "Console.h"
#include "Help.h"
#include "ToolErrors.h"
#include "platform/FileLayer.h"

#include <QCoreApplication>

#include <new>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Command {
    std::string_view name;
    int (*run)(const std::vector<std::string>&);
};

constexpr Command kCommands[] = {{"create", RunCreate},
                                 {"list", RunList},
                                 {"extract", RunExtract},
                                 {"check", RunCheck},
                                 {"install", RunInstall}};

int Help(const std::vector<std::string>& topics) {
    if (topics.size() > 1)
        throw UsageError("", "help takes one command at most");
    const std::string topic = topics.empty() ? std::string() : topics.front();
    const std::string_view text = HelpText(topic);
    if (text.empty())
        throw UsageError("", "there is no command \"" + topic + "\"");
    PrintOut(text);
    return 0;
}

int Dispatch(const std::vector<std::string>& args) {
    if (args.empty())
        throw UsageError("", "no command given");
    const std::string& name = args.front();
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (name == "help" || name == "-h" || name == "--help")
        return Help(rest);
    for (const Command& command : kCommands)
        if (command.name == name)
            return command.run(rest);
    throw UsageError("", "there is no command \"" + name + "\"");
}

std::string UsageLine(const UsageError& error) {
    const std::string& command = error.Command();
    const std::string where = command.empty() ? std::string() : command + ": ";
    const std::string help = command.empty() ? "qdrpack --help" : "qdrpack help " + command;
    return where + error.what() + " (see " + help + ")";
}

} // namespace

int main(int argc, char** argv) {
    // Kept as bytes: file names need not be UTF-8.
    const std::vector<std::string> args(argv + 1, argv + argc);
    // Image format plugins (JPEG, GIF, ...) are looked for in Qt's plugin
    // directory and, with an application, beside the binary too. No platform
    // plugin is needed.
    QCoreApplication app(argc, argv);
    try {
        return Dispatch(args);
    } catch (const UsageError& error) {
        PrintError(UsageLine(error));
        return 2;
    } catch (const InputError& error) {
        PrintError(error.what());
    } catch (const FileError& error) {
        PrintError(error.what());
    } catch (const std::bad_alloc&) {
        PrintError("out of memory");
    } catch (const std::exception& error) {
        PrintError(error.what());
    }
    return 1;
}
