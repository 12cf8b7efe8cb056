// The text-fitting search on its own, as every back end uses it: a box of 12 points, sizes in
// quarter points, 100 pixels of room, a text as wide as its size times its width a point.
#include <gtest/gtest.h>

#include "ui/toolkit/text_fit.h"

namespace toolkit {
namespace {

struct FitCase {
    double text;    // the text's width a point
    double widest;  // the widest text's the box is made for, or 0 for none
    bool typedIn;
    double expected;
};

class FittedSize : public testing::TestWithParam<FitCase> {};

TEST_P(FittedSize, IsJustSmallEnoughAndNoSmallerThanItsFloor) {
    const FitCase& c = GetParam();
    const TextFit fit{12, 0.25, 100, c.typedIn, c.widest > 0};
    const double size =
        fittedSize(fit, [&](double at, bool widest) { return (widest ? c.widest : c.text) * at; });
    EXPECT_EQ(size, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    TextFit, FittedSize,
    testing::Values(FitCase{8, 0, false, 12},    // fits at its own size, and never grows
                    FitCase{10, 0, true, 10},    // just small enough: 120 pixels at 12 is 100 at 10
                    FitCase{11, 0, true, 9},     // 9.09, down to the quarter point below
                    FitCase{40, 6, false, 12},   // the widest fits whole: shown from its start
                    FitCase{14, 10, false, 10},  // out of the focus, no smaller than the widest
                    FitCase{14, 10, true, 7}));  // with it, whole: smaller than the widest

}  // namespace
}  // namespace toolkit
