#pragma once

#include "ui/toolkit/geometry.h"

namespace toolkit {

// Converts the window's twips (1440 to the inch, nominally 15 to a pixel) to the back end's
// pixels. One factor serves the whole window, so the layout keeps its proportions while it
// grows to fit the user's font.
class TwipScale {
  public:
    static constexpr double kNominalTwipsPerPixel = 15.0;

    // factor 1 is the nominal 15 twips to the pixel; larger factors give larger pixels counts.
    explicit TwipScale(double factor = 1.0) : factor_(factor) {}

    double factor() const { return factor_; }
    int px(int twips) const;
    int twips(int pixels) const;
    // Edges are converted, not sizes, so neighbouring controls stay neighbours.
    Rect rect(int left, int top, int width, int height) const;
    // The pixel row of a one-pixel line: whole nominal pixels scale, the part of a nominal pixel
    // stays a device pixel, so lines a few twips apart land on neighbouring rows at any factor.
    int lineRow(int twips) const;

  private:
    double factor_;
};

}  // namespace toolkit
