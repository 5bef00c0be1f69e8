// Which picture a title-list item stands for.
#include "options/PictureSelection.h"

#include <gtest/gtest.h>

namespace {

PackCatalogue CatalogueOf(int category, std::vector<PackEntry> packs) {
    PackCatalogue catalogue;
    catalogue.packs[category] = std::move(packs);
    catalogue.packCount[category] = std::int32_t(catalogue.packs[category].size());
    return catalogue;
}

std::optional<SelectedPicture> At(std::string pack, int index) {
    return SelectedPicture{std::move(pack), index};
}

} // namespace

TEST(ResolveSelectedPicture, CountsThroughThePacksShownAtTheirBoundaries) {
    PackCatalogue movies = CatalogueOf(Movies, {{"a.qdr", 5}, {"b.qdr", 3}, {"c.qdr", 4}});
    movies.packs[Cartoons] = {{"toons.qdr", 20}}; // another category does not count
    const auto all = [&](int item) { return ResolveSelectedPicture(movies, Movies, 0, item); };
    EXPECT_EQ(all(-1), At("a.qdr", 0)); // nothing selected: the first picture
    EXPECT_EQ(all(0), At("a.qdr", 0));
    EXPECT_EQ(all(4), At("a.qdr", 4));
    EXPECT_EQ(all(5), At("b.qdr", 0));
    EXPECT_EQ(all(7), At("b.qdr", 2));
    EXPECT_EQ(all(8), At("c.qdr", 0));
    EXPECT_EQ(all(11), At("c.qdr", 3));
    EXPECT_EQ(all(12), std::nullopt); // the list holds more than the packs
    EXPECT_EQ(ResolveSelectedPicture(movies, Cartoons, 0, 19), At("toons.qdr", 19));

    // One pack counts from its own first picture.
    EXPECT_EQ(ResolveSelectedPicture(movies, Movies, 2, -1), At("b.qdr", 0));
    EXPECT_EQ(ResolveSelectedPicture(movies, Movies, 2, 2), At("b.qdr", 2));
    EXPECT_EQ(ResolveSelectedPicture(movies, Movies, 2, 3), std::nullopt);
    EXPECT_EQ(ResolveSelectedPicture(movies, Movies, 3, 3), At("c.qdr", 3));

    // Packs of one picture, and one of none, which holds no item at all.
    const PackCatalogue small =
        CatalogueOf(Misc, {{"1.qdr", 1}, {"2.qdr", 1}, {"none.qdr", 0}, {"3.qdr", 2}});
    EXPECT_EQ(ResolveSelectedPicture(small, Misc, 0, 1), At("2.qdr", 0));
    EXPECT_EQ(ResolveSelectedPicture(small, Misc, 0, 2), At("3.qdr", 0));
    EXPECT_EQ(ResolveSelectedPicture(small, Misc, 0, 3), At("3.qdr", 1));
    EXPECT_EQ(ResolveSelectedPicture(small, Misc, 3, -1), std::nullopt);
}

TEST(ResolveSelectedPicture, NothingWhereNoPackIsShown) {
    const PackCatalogue catalogue = CatalogueOf(Movies, {{"a.qdr", 5}, {"b.qdr", 3}});
    EXPECT_EQ(ResolveSelectedPicture(catalogue, Movies, 3, 0), std::nullopt); // a pack removed
    EXPECT_EQ(ResolveSelectedPicture(catalogue, Movies, -1, 0), std::nullopt);
    EXPECT_EQ(ResolveSelectedPicture(catalogue, Misc, 0, -1), std::nullopt); // no packs
    EXPECT_EQ(ResolveSelectedPicture(catalogue, -1, 0, 0), std::nullopt);
    EXPECT_EQ(ResolveSelectedPicture(catalogue, 5, 0, 0), std::nullopt);

    // The drop-down item of a stored title: "All" for one past the packs.
    EXPECT_EQ(ComboItemOfTitle(catalogue, Movies, 2), 2);
    EXPECT_EQ(ComboItemOfTitle(catalogue, Movies, 3), 0);
    EXPECT_EQ(ComboItemOfTitle(catalogue, Movies, -1), 0);
    EXPECT_EQ(ComboItemOfTitle(catalogue, Misc, 1), 0);
    EXPECT_EQ(ComboItemOfTitle(catalogue, 7, 1), 0);
}
