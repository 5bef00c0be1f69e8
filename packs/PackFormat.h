#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// A pack: magic "X", category, picture count, then per picture a title
// length, the title (Windows-1252, no terminator), a little-endian 32-bit
// data length and the bytes of one complete bitmap file.
inline constexpr std::uint8_t kPackMagic = 0x58;
inline constexpr int kPackHeaderSize = 3;
inline constexpr int kMaxPackPictures = 127;
inline constexpr int kMaxTitleLength = 49;
inline constexpr std::uint32_t kMaxPictureDataLength = 0x7fffffff;

// Every picture a pack holds is played at this size; others are stretched to it.
inline constexpr int kPictureWidth = 600;
inline constexpr int kPictureHeight = 375;

// The categories as packs, settings and the catalogue number them.
enum Category : int { Cartoons = 0, Misc = 1, Movies = 2, Music = 3, TvShows = 4 };

struct CategoryInfo {
    std::string_view name;        // as the game shows it
    std::string_view commandName; // as the pack tool's command line takes it
    std::string_view allItem;     // the Options dialog's item for all its packs
};

inline constexpr std::array<CategoryInfo, 5> kCategories = {{
    {"Cartoons", "cartoons", "All cartoons"},
    {"Misc", "misc", "All misc"},
    {"Movies", "movies", "All films"},
    {"Music", "music", "All music"},
    {"TV shows", "tv", "All tv shows"},
}};
inline constexpr int kCategoryCount = int(kCategories.size());

inline constexpr bool IsCategory(int category) {
    return category >= 0 && category < kCategoryCount;
}

inline std::string_view CategoryName(int category) {
    return IsCategory(category) ? kCategories[category].name : "unknown";
}
