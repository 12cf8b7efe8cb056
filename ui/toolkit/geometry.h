#pragma once

namespace toolkit {

// A size in pixels or twips; empty when either side is 0 or less.
struct Size {
    int width = 0;
    int height = 0;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    friend constexpr bool operator==(const Size&, const Size&) = default;
};

// A rectangle: its top-left corner and its size.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    Size size() const { return {width, height}; }
    int right() const { return left + width; }   // one past the last column
    int bottom() const { return top + height; }  // one past the last row
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace toolkit
