#pragma once

#include <functional>

namespace toolkit {

// What a text box's text needs of its font, for the search every back end shares: the back
// end only measures.
struct TextFit {
    double given = 0;      // the size of the box's own font, in the back end's unit (> 0)
    double step = 1;       // the smallest change of size the back end draws
    int room = 0;          // the pixels the text may take without scrolling
    bool typedIn = false;  // the box has the focus, or has it again when its window returns
    bool hasWidest = false;
};

// The width in pixels of the box's text (widest: of the widest text it is made for) at a size
// of its font.
using MeasureText = std::function<double(double size, bool widest)>;

// A size of the box's font at which its text takes at most the room: the given size when it
// fits, else just small enough, never larger. Out of the focus, never smaller than the widest
// text the box is made for needs: a longer text shows from its start. With the focus, a longer
// text shrinks to show whole; the steps down stop at half the size, though the first estimate,
// in proportion to the room, may already be below it.
//   fittedSize({12, 0.25, 80, true, false}, measure)  // 12 if the text fits in 80 pixels
double fittedSize(const TextFit& fit, const MeasureText& measure);

}  // namespace toolkit
