#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// Dialog layouts are measured in dialog units: a quarter of the dialog font's
// average character width across, an eighth of its height down. Converting
// with the dialog's actual font keeps a layout's proportions at any font
// size and screen resolution.
struct DialogBaseUnits {
    int x = 0; // the average character width in pixels
    int y = 0; // the font's height in pixels
};

DialogBaseUnits BaseUnitsOf(const QFont& font);

// Rounded to the nearest pixel, halves away from zero, as the window system
// of the layouts did.
int DialogUnitsToPixelsX(int units, DialogBaseUnits base);
int DialogUnitsToPixelsY(int units, DialogBaseUnits base);
QRect DialogRect(int x, int y, int width, int height, DialogBaseUnits base);
QSize DialogSize(int width, int height, DialogBaseUnits base);
