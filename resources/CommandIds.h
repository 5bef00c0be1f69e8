#pragma once

// Menu command ids, as the menu resource numbers them.
inline constexpr int ID_FILE_NEW_PICTURE = 40001;
inline constexpr int ID_HELP_ABOUT = 40002;
inline constexpr int ID_FILE_EXIT = 40003;
inline constexpr int ID_VIEW_JUMBLE = 40004;
inline constexpr int ID_VIEW_SOLUTION = 40005;
inline constexpr int ID_VIEW_OPTIONS = 40006;
inline constexpr int ID_VIEW_SOLVE = 40008;
inline constexpr int ID_VIEW_GRID = 40009;
inline constexpr int ID_FILE_OPEN = 57601;
