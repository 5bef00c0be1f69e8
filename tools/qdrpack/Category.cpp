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
    constexpr std::string_view names[kCategoryCount] = {"cartoons", "misc", "movies", "music",
                                                        "tv"};
    for (int category = 0; category < kCategoryCount; ++category)
        if (lower == names[category])
            return category;
    return std::nullopt;
}
