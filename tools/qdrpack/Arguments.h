#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct KnownOption {
    std::string name;      // "--title"
    std::string shortName; // "-o", or empty
    bool takesValue = false;
    bool repeatable = false;
};

struct ParsedArguments {
    bool help = false;
    std::map<std::string, std::vector<std::string>, std::less<>> options; // by long name
    std::vector<std::string> operands;

    bool Has(std::string_view name) const { return options.contains(name); }
    std::vector<std::string> Values(std::string_view name) const;
    std::optional<std::string> Value(std::string_view name) const;
};

// Splits one command's arguments into options and operands, in any order.
// "-h" or "--help" stops the parse; "--" makes everything after it an operand.
// Raises UsageError (naming `command`) for an unknown option, a missing
// value, or an option given twice that may be given once.
ParsedArguments ParseArguments(const std::string& command, const std::vector<std::string>& args,
                               const std::vector<KnownOption>& known);
