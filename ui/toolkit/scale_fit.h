#pragma once

#include <algorithm>

#include "ui/toolkit/geometry.h"
#include "ui/toolkit/twips.h"

namespace toolkit {

// Finds the one twips-to-pixels factor at which every piece of content fits its room: like
// dialog units, the layout grows with the user's font and keeps its proportions. The factor
// is never below the nominal 1, and the font itself is never touched.
class ScaleFit {
  public:
    // pixels of content must fit in a room of twips.
    void need(int pixels, int twips) {
        if (pixels > 0 && twips > 0)
            factor_ = std::max(factor_, (pixels + 1) * TwipScale::kNominalTwipsPerPixel / twips);
    }
    void need(Size pixels, Size twips) {
        need(pixels.width, twips.width);
        need(pixels.height, twips.height);
    }
    TwipScale scale() const { return TwipScale(factor_); }

  private:
    double factor_ = 1.0;
};

}  // namespace toolkit
