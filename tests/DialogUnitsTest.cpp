#include "platform/DialogUnits.h"

#include <gtest/gtest.h>

TEST(DialogUnits, ConvertWithTheFontsBaseUnitsRoundingHalvesAway) {
    // The classic 8-point dialog font: 6 x 13 pixel base units.
    const DialogBaseUnits classic{6, 13};
    // The Solution window: 217 x 137 units, its frame at (7, 7), 203 x 122.
    EXPECT_EQ(DialogSize(217, 137, classic), QSize(326, 223));
    EXPECT_EQ(DialogRect(7, 7, 203, 122, classic), QRect(11, 11, 305, 198));
    // 1.5 pixels round up, 1.25 down; 0 stays 0.
    EXPECT_EQ(DialogUnitsToPixelsX(1, classic), 2);
    EXPECT_EQ(DialogUnitsToPixelsY(1, classic), 2);
    EXPECT_EQ(DialogUnitsToPixelsY(3, {6, 10}), 4);
    EXPECT_EQ(DialogUnitsToPixelsX(0, classic), 0);
    EXPECT_EQ(DialogUnitsToPixelsX(-1, classic), -2);

    // Twice the font, twice the layout.
    EXPECT_EQ(DialogSize(217, 137, {12, 26}), QSize(651, 445));
}
