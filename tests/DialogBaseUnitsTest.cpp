// Fonts need the application object, so this runs with the GUI tests.
#include "platform/DialogUnits.h"

#include <gtest/gtest.h>

TEST(DialogUnits, BaseUnitsGrowWithTheFont) {
    QFont small;
    small.setPixelSize(10);
    QFont large = small;
    large.setPixelSize(20);
    const DialogBaseUnits a = BaseUnitsOf(small), b = BaseUnitsOf(large);
    EXPECT_GT(a.x, 0);
    EXPECT_GT(a.y, 0);
    EXPECT_GT(b.x, a.x);
    EXPECT_GT(b.y, a.y);
    // An average letter is narrower than the font is high.
    EXPECT_LT(a.x, a.y);
}
