#pragma once

// The pictures of each category, in the order the game lists them.

#include <QImage>

#include <span>

namespace art {

struct Artwork {
    const char* title;
    QImage (*render)();
};

std::span<const Artwork> CartoonArtworks();
std::span<const Artwork> MiscArtworks();
std::span<const Artwork> MovieArtworks();
std::span<const Artwork> MusicArtworks();
std::span<const Artwork> TvArtworks();

} // namespace art
