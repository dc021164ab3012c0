#pragma once

struct Point {
    int x = 0;
    int y = 0;
    constexpr bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    constexpr bool operator==(const Size&) const = default;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    constexpr bool operator==(const Rect&) const = default;
};
