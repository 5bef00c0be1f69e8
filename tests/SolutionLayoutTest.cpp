#include "app/SolutionDlg.h"

#include <gtest/gtest.h>

TEST(SolutionLayout, ThePictureSitsInTheMiddleOfItsFrameAtAnyFont) {
    // The classic 8-point font: the layout as drawn, the picture 13 pixels in.
    const CSolutionDlg::Layout classic = CSolutionDlg::LayOut({6, 13});
    EXPECT_EQ(classic.client, QSize(327, 223)); // the frame's margin on the right too
    EXPECT_EQ(classic.frame, QRect(11, 11, 305, 198));
    EXPECT_EQ(classic.picture, QRect(13, 16, 300, 188));

    // A larger font: a larger frame, the picture in its middle.
    const CSolutionDlg::Layout larger = CSolutionDlg::LayOut({7, 14});
    EXPECT_EQ(larger.frame, QRect(12, 12, 355, 214));
    EXPECT_EQ(larger.picture, QRect(39, 25, 300, 188));

    // Too small a font for the picture: the frame and window grow round it,
    // two pixels on each side, and the margins stay.
    const CSolutionDlg::Layout small = CSolutionDlg::LayOut({5, 10});
    EXPECT_EQ(small.frame, QRect(9, 9, 304, 192));
    EXPECT_EQ(small.picture, QRect(11, 11, 300, 188));
    EXPECT_EQ(small.client, QSize(322, 210));

    for (const auto& layout : {classic, larger, small}) {
        EXPECT_TRUE(layout.frame.adjusted(1, 1, -1, -1).contains(layout.picture));
        EXPECT_TRUE(QRect(QPoint(), layout.client).contains(layout.frame));
    }
}
