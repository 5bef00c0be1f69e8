#pragma once

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

inline constexpr int kCategoryCount = 5;

// The categories as packs, settings and the catalogue number them.
enum Category : int { Cartoons = 0, Misc = 1, Movies = 2, Music = 3, TvShows = 4 };

inline std::string_view CategoryName(int category) {
    constexpr std::string_view names[kCategoryCount] = {"Cartoons", "Misc", "Movies", "Music",
                                                        "TV shows"};
    return category >= 0 && category < kCategoryCount ? names[category] : "unknown";
}
