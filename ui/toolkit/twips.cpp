#include "ui/toolkit/twips.h"

#include <cmath>

namespace toolkit {

int TwipScale::px(int twipCount) const {
    return static_cast<int>(std::lround(twipCount * factor_ / kNominalTwipsPerPixel));
}

int TwipScale::twips(int pixels) const {
    return static_cast<int>(std::lround(pixels * kNominalTwipsPerPixel / factor_));
}

Rect TwipScale::rect(int left, int top, int width, int height) const {
    return {px(left), px(top), px(left + width) - px(left), px(top + height) - px(top)};
}

int TwipScale::lineRow(int twipCount) const {
    const double nominal = twipCount / kNominalTwipsPerPixel;
    const double whole = std::floor(nominal);
    return static_cast<int>(std::lround(whole * factor_) + std::lround(nominal - whole));
}

}  // namespace toolkit
