#include "Category.h"

#include "packs/PackFormat.h"

#include <algorithm>
#include <cctype>
#include <string>

std::optional<int> ParseCategory(std::string_view text) {
    if (text.size() == 1 && text[0] >= '0' && text[0] < '0' + kCategoryCount)
        return text[0] - '0';
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    for (int category = 0; category < kCategoryCount; ++category)
        if (lower == kCategories[category].commandName)
            return category;
    return std::nullopt;
}

std::string CategoryChoices() {
    std::string choices = "0 to " + std::to_string(kCategoryCount - 1) + " or ";
    for (int category = 0; category < kCategoryCount; ++category)
        choices +=
            std::string(category ? ", " : "") + std::string(kCategories[category].commandName);
    return choices;
}
