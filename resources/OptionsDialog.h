#pragma once

#include <array>
#include <string_view>

// The Options dialog's template (IDD_OPTIONS): its caption, its size and its
// controls in tab order, every position in dialog units.
inline constexpr int IDD_OPTIONS = 104;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_STATIC = -1; // texts nothing refers to
inline constexpr int IDC_GRID4 = 1000;
inline constexpr int IDC_GRID5 = 1001;
inline constexpr int IDC_GRID6 = 1002;
inline constexpr int IDC_GRID7 = 1003;
inline constexpr int IDC_GRID8 = 1004;
inline constexpr int IDC_GRID9 = 1005;
inline constexpr int IDC_GRID10 = 1006;
inline constexpr int IDC_TOTALLY_RANDOM = 1007;
inline constexpr int IDC_CHOOSE_FROM = 1008;
inline constexpr int IDC_CARTOONS = 1010; // 1010 + category
inline constexpr int IDC_MISC = 1011;
inline constexpr int IDC_MOVIES = 1012;
inline constexpr int IDC_MUSIC = 1013;
inline constexpr int IDC_TVSHOWS = 1014;
inline constexpr int IDC_TITLE_LIST = 1015;
inline constexpr int IDC_TRY_THIS = 1017;

enum class ControlKind {
    DefaultPushButton,
    PushButton,
    RadioButton,  // checked by the dialog itself, never grouped
    DropDownList, // height: the list when it is dropped down
    ListBox,
    Label,
    EdgedLabel,        // a thin sunken edge
    SunkenCentredText, // centred, sunken, with a border
    GroupBox,          // a frame without a caption
};

struct DialogControlResource {
    int id;
    ControlKind kind;
    std::string_view caption; // "%1" stands for the pack download address
    int x, y, width, height;
    // A label: the control it names, for screen readers. A control without a
    // caption or label: what they read instead.
    int names = 0;
    std::string_view spokenName = {};
};

inline constexpr std::string_view kOptionsDialogCaption = "Quadrillo Options";
inline constexpr int kOptionsDialogWidth = 277;
inline constexpr int kOptionsDialogHeight = 286;

inline constexpr auto kOptionsDialogControls = std::to_array<DialogControlResource>({
    {IDOK, ControlKind::DefaultPushButton, "OK", 220, 7, 50, 14},
    {IDCANCEL, ControlKind::PushButton, "Cancel", 220, 24, 50, 14},
    {IDC_TOTALLY_RANDOM, ControlKind::RadioButton, "Totally random", 33, 62, 62, 10},
    {IDC_CHOOSE_FROM, ControlKind::RadioButton, "Choose randomly from", 33, 75, 85, 10},
    {IDC_MOVIES, ControlKind::DropDownList, "", 66, 130, 81, 97},
    {IDC_CARTOONS, ControlKind::DropDownList, "", 66, 96, 81, 100},
    {IDC_TVSHOWS, ControlKind::DropDownList, "", 66, 164, 81, 87},
    {IDC_MUSIC, ControlKind::DropDownList, "", 66, 147, 81, 98},
    {IDC_TITLE_LIST, ControlKind::ListBox, "", 173, 87, 86, 75},
    {IDC_GRID9, ControlKind::RadioButton, "9 x 9", 94, 28, 31, 10},
    {IDC_GRID10, ControlKind::RadioButton, "10 x 10", 132, 28, 39, 10},
    {IDC_GRID4, ControlKind::RadioButton, "4 x 4", 56, 15, 31, 10},
    {IDC_STATIC, ControlKind::EdgedLabel, "Grid size", 16, 14, 32, 11},
    {IDC_STATIC, ControlKind::EdgedLabel, "Puzzle picture", 16, 45, 49, 11},
    {IDC_STATIC, ControlKind::EdgedLabel, "List", 205, 72, 16, 11, IDC_TITLE_LIST},
    {IDC_MISC, ControlKind::DropDownList, "", 66, 113, 81, 94},
    {IDC_STATIC, ControlKind::Label, "Movies", 29, 133, 24, 8, IDC_MOVIES},
    {IDC_STATIC, ControlKind::Label, "Music", 33, 150, 20, 8, IDC_MUSIC},
    {IDC_STATIC, ControlKind::Label, "Misc", 37, 116, 16, 8, IDC_MISC},
    {IDC_STATIC, ControlKind::Label, "Cartoons", 24, 99, 29, 8, IDC_CARTOONS},
    {IDC_STATIC, ControlKind::Label, "TV shows", 21, 167, 32, 8, IDC_TVSHOWS},
    {IDC_STATIC, ControlKind::SunkenCentredText, "Download additional Picture Paks at : \n\n %1", 7,
     249, 263, 29},
    {IDC_TRY_THIS, ControlKind::PushButton, "Try this", 174, 164, 85, 12},
    {IDC_STATIC, ControlKind::GroupBox, "", 86, 179, 106, 65, 0, "Preview"},
    {IDC_GRID5, ControlKind::RadioButton, "5 x 5", 94, 15, 31, 10},
    {IDC_GRID6, ControlKind::RadioButton, "6 x 6", 132, 15, 31, 10},
    {IDC_GRID7, ControlKind::RadioButton, "7 x 7", 172, 15, 31, 10},
    {IDC_GRID8, ControlKind::RadioButton, "8 x 8", 56, 28, 31, 10},
});
