#pragma once

#include "resources/CommandIds.h"

#include <array>
#include <string_view>

// The main window's menu (IDR_MAINFRAME). A tab separates an item's label
// from the shortcut shown at its right; id 0 is a separator.
struct MenuItemResource {
    int menu; // index into kMainMenuTitles
    std::string_view text;
    int id;
};

inline constexpr std::array<std::string_view, 3> kMainMenuTitles = {"&File", "&View", "&Help"};

inline constexpr std::array<MenuItemResource, 12> kMainMenuItems = {{
    {0, "&New\tCtrl+N", ID_FILE_NEW_PICTURE},
    {0, "&Open\tCtrl+O", ID_FILE_OPEN},
    {0, "", 0},
    {0, "E&xit", ID_FILE_EXIT},
    {1, "&Jumble\tCtrl+J", ID_VIEW_JUMBLE},
    {1, "&Grid\tCtrl+G", ID_VIEW_GRID},
    {1, "", 0},
    {1, "&Show solution\tCtrl+S", ID_VIEW_SOLUTION},
    {1, "Sol&ve for me", ID_VIEW_SOLVE},
    {1, "", 0},
    {1, "&Options", ID_VIEW_OPTIONS},
    {2, "&About", ID_HELP_ABOUT},
}};

// The accelerator table, keyed by the control character each Ctrl combination
// produces (0x01 is Ctrl+A).
struct AcceleratorResource {
    char character;
    int id;
};

inline constexpr std::array<AcceleratorResource, 5> kMainAccelerators = {{
    {0x0E, ID_FILE_NEW_PICTURE},
    {0x0F, ID_FILE_OPEN},
    {0x0A, ID_VIEW_JUMBLE},
    {0x13, ID_VIEW_SOLUTION},
    {0x07, ID_VIEW_GRID},
}};
