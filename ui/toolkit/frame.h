#pragma once

#include <deque>

#include "ui/toolkit/control.h"
#include "ui/toolkit/system_colour.h"

namespace toolkit {

// A one-pixel line drawn by its container, from (x1, y1) to (x2, y2) in twips.
struct Line {
    int x1, y1, x2, y2;
    SystemColour colour;
};

// A plain container without caption or border that never takes the focus itself.
class Frame : public Control {
  public:
    explicit Frame(ControlParent parent);

    Line& addLine(int x1, int y1, int x2, int y2, SystemColour colour);
    const std::deque<Line>& lines() const { return lines_; }
    // The device row a line is drawn on, for checks of the layout.
    int lineRow(const Line& line) const;

    void applyScale(const TwipScale& scale) override;

  private:
    std::deque<Line> lines_;  // a deque keeps the references addLine hands out
};

}  // namespace toolkit
