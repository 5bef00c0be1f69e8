#pragma once

#include "resources/CommandIds.h"

#include <array>
#include <string_view>

// The main window's menu (IDR_MAINFRAME) and its accelerators in one table.
// An accelerator is the control character its Ctrl combination produces
// (0x01 is Ctrl+A); id 0 is a separator.
struct MenuItemResource {
    int menu; // index into kMainMenuTitles
    std::string_view label;
    int id;
    char accelerator = 0;
};

inline constexpr std::array<std::string_view, 3> kMainMenuTitles = {"&File", "&View", "&Help"};

inline constexpr std::array<MenuItemResource, 12> kMainMenuItems = {{
    {0, "&New", ID_FILE_NEW_PICTURE, 0x0E},
    {0, "&Open", ID_FILE_OPEN, 0x0F},
    {0, "", 0},
    {0, "E&xit", ID_FILE_EXIT},
    {1, "&Jumble", ID_VIEW_JUMBLE, 0x0A},
    {1, "&Grid", ID_VIEW_GRID, 0x07},
    {1, "", 0},
    {1, "&Show solution", ID_VIEW_SOLUTION, 0x13},
    {1, "Sol&ve for me", ID_VIEW_SOLVE},
    {1, "", 0},
    {1, "&Options", ID_VIEW_OPTIONS},
    {2, "&About", ID_HELP_ABOUT},
}};
