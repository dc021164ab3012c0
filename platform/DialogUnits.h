#pragma once

#include "Geometry.h"

// Converts dialog units to pixels from the dialog font's base units: a horizontal unit is a
// quarter of the average character width, a vertical unit an eighth of the character height.
struct DialogUnits {
    Size base;

    // The average width of the 52 Latin letters, rounded as the units have always been.
    static int averageWidth(int widthOfAllLetters) { return (widthOfAllLetters / 26 + 1) / 2; }

    int x(int units) const { return muldiv(units, base.width, 4); }
    int y(int units) const { return muldiv(units, base.height, 8); }
    Rect toPixels(Rect r) const { return {x(r.x), y(r.y), x(r.width), y(r.height)}; }
    Size toPixels(Size s) const { return {x(s.width), y(s.height)}; }

private:
    // Multiplies, then divides rounding half away from zero.
    static int muldiv(int value, int numerator, int denominator) {
        const long long product = static_cast<long long>(value) * numerator;
        const long long half = denominator / 2;
        return static_cast<int>(product >= 0 ? (product + half) / denominator
                                             : (product - half) / denominator);
    }
};
