#include "samples/SampleArt.h"

#include "packs/PackFormat.h"
#include "samples/Gallery.h"

namespace {

std::span<const art::Artwork> Artworks(int category) {
    switch (category) {
    case 0:
        return art::CartoonArtworks();
    case 1:
        return art::MiscArtworks();
    case 2:
        return art::MovieArtworks();
    case 3:
        return art::MusicArtworks();
    case 4:
        return art::TvArtworks();
    default:
        return {};
    }
}

} // namespace

std::vector<SamplePicture> SamplePictures(int category) {
    std::vector<SamplePicture> pictures;
    int index = 0;
    for (const art::Artwork& artwork : Artworks(category))
        pictures.push_back({category, index++, artwork.title});
    return pictures;
}

std::vector<SamplePicture> AllSamplePictures() {
    std::vector<SamplePicture> all;
    for (int category = 0; category < kCategoryCount; ++category) {
        const auto pictures = SamplePictures(category);
        all.insert(all.end(), pictures.begin(), pictures.end());
    }
    return all;
}

QImage RenderSamplePicture(int category, int index) {
    const auto artworks = Artworks(category);
    if (index < 0 || index >= static_cast<int>(artworks.size()))
        return {};
    return artworks[index].render();
}
