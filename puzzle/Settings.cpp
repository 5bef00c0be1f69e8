#include "puzzle/Settings.h"

#include "platform/MessageBoxService.h"
#include "platform/ProfileStore.h"
#include "puzzle/PuzzleState.h"

#include <array>

namespace {

// The four settings, each declared once: its name, field, default and range.
struct Setting {
    const char* name;
    std::int32_t PuzzleState::*field;
    std::int32_t firstRunDefault;
    std::int32_t lowest;
    std::int32_t highest;
};

// A first run is told by "Category" reading as this marker (or -1).
constexpr std::int32_t kMissing = 999;
// Read past the marker so that no value a range allows (a Title of 999)
// is taken for a missing one.
constexpr std::int32_t kAbsent = INT32_MIN;
constexpr auto kSection = "Settings";

// Packs are not known yet when settings are read: a title past the
// category's packs is caught by the picture choice.
constexpr std::array<Setting, 4> kSettings = {{
    {"Dimension", &PuzzleState::dimension, 5, kMinDimension, kMaxDimension},
    {"Category", &PuzzleState::category, Movies, 0, kCategoryCount - 1},
    {"Title", &PuzzleState::title, 0, 0, INT32_MAX},
    {"Random", &PuzzleState::randomMode, 1, 0, 1},
}};

const Setting& CategorySetting() {
    return kSettings[1];
}

} // namespace

void LoadSettings(PuzzleState& state, ProfileStore& store) {
    const std::int32_t category = store.GetProfileInt(kSection, CategorySetting().name, kMissing);
    if (category == kMissing || category == -1)
        for (const Setting& setting : kSettings)
            store.WriteProfileInt(kSection, setting.name, setting.firstRunDefault);

    for (const Setting& setting : kSettings) {
        const std::int32_t value = store.GetProfileInt(kSection, setting.name, kAbsent);
        const bool usable = value >= setting.lowest && value <= setting.highest;
        state.*setting.field = usable ? value : setting.firstRunDefault;
    }
}

void SaveSettings(const PuzzleState& state, ProfileStore& store) {
    for (const Setting& setting : kSettings)
        store.WriteProfileInt(kSection, setting.name, state.*setting.field);
}

void ReportSettingsFault(ProfileStore& store, MessageBoxService& messages) {
    const std::optional<FileError> fault = store.TakeFault();
    if (!fault)
        return;
    const QString consequence =
        fault->What() == FileError::Operation::Read
            ? QStringLiteral("Quadrillo uses its default settings and leaves that file as it is.")
            : QStringLiteral("Changed settings last until Quadrillo ends.");
    messages.Report(QString::fromStdString(fault->what()) + ' ' + consequence);
}
