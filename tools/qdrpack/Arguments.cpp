#include "Arguments.h"

#include "ToolErrors.h"

#include <algorithm>

namespace {

const KnownOption* FindOption(const std::vector<KnownOption>& known, std::string_view name) {
    const auto found = std::find_if(known.begin(), known.end(), [&](const KnownOption& option) {
        return option.name == name || (!option.shortName.empty() && option.shortName == name);
    });
    return found == known.end() ? nullptr : &*found;
}

} // namespace

std::vector<std::string> ParsedArguments::Values(std::string_view name) const {
    const auto found = options.find(name);
    return found == options.end() ? std::vector<std::string>() : found->second;
}

std::optional<std::string> ParsedArguments::Value(std::string_view name) const {
    const auto found = options.find(name);
    if (found == options.end() || found->second.empty())
        return std::nullopt;
    return found->second.front();
}

ParsedArguments ParseArguments(const std::string& command, const std::vector<std::string>& args,
                               const std::vector<KnownOption>& known) {
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // A lone "-" is an operand, as it is to most tools.
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            parsed.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "-h" || arg == "--help") {
            parsed.help = true;
            return parsed;
        }
        // "--name=value" as well as "--name value".
        const std::size_t equals = arg.starts_with("--") ? arg.find('=') : std::string::npos;
        const std::string name = arg.substr(0, equals);
        const KnownOption* option = FindOption(known, name);
        if (!option)
            throw UsageError(command, "unknown option " + name);
        std::string value;
        if (option->takesValue) {
            if (equals != std::string::npos)
                value = arg.substr(equals + 1);
            else if (i + 1 < args.size())
                value = args[++i];
            else
                throw UsageError(command, option->name + " needs a value");
        } else if (equals != std::string::npos) {
            throw UsageError(command, option->name + " takes no value");
        }
        std::vector<std::string>& values = parsed.options[option->name];
        if (!values.empty() && !option->repeatable)
            throw UsageError(command, option->name + " is given more than once");
        values.push_back(std::move(value));
    }
    return parsed;
}
