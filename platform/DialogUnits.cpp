#include "platform/DialogUnits.h"

#include <QFontMetrics>

namespace {

int MulDiv(int number, int numerator, int denominator) {
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

} // namespace

DialogBaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    // The average over the 52 letters, rounded to a whole pixel.
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

int DialogUnitsToPixelsX(int units, DialogBaseUnits base) {
    return MulDiv(units, base.x, 4);
}

int DialogUnitsToPixelsY(int units, DialogBaseUnits base) {
    return MulDiv(units, base.y, 8);
}

QRect DialogRect(int x, int y, int width, int height, DialogBaseUnits base) {
    return {DialogUnitsToPixelsX(x, base), DialogUnitsToPixelsY(y, base),
            DialogUnitsToPixelsX(width, base), DialogUnitsToPixelsY(height, base)};
}

QSize DialogSize(int width, int height, DialogBaseUnits base) {
    return {DialogUnitsToPixelsX(width, base), DialogUnitsToPixelsY(height, base)};
}
