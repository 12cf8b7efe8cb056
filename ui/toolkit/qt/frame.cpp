#include "ui/toolkit/frame.h"

#include <QPainter>
#include <QWidget>

#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/twips.h"

namespace toolkit {

namespace {

class Panel : public QWidget {
  public:
    Panel(QWidget* parent, const std::deque<Line>& l) : QWidget(parent), lines(l) {
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::Window);
        setFocusPolicy(Qt::NoFocus);
    }

    const std::deque<Line>& lines;
    TwipScale scale;

    QLine pixels(const Line& line) const {
        return {scale.px(line.x1), scale.lineRow(line.y1), scale.px(line.x2) - 1,
                scale.lineRow(line.y2)};
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        // Filled rows rather than stroked lines: a row stays a whole row at any device ratio.
        for (const Line& line : lines) {
            const QLine l = pixels(line);
            painter.fillRect(QRect(QPoint(l.x1(), l.y1()), QPoint(l.x2(), l.y2())),
                             resolve(line.colour));
        }
    }
};

Panel& panel(const Frame& frame) {
    return *static_cast<Panel*>(frame.native().widget);
}

}  // namespace

Frame::Frame(ControlParent parent)
    : Control(std::make_unique<NativeControl>(new Panel(parentWidget(parent), lines_))) {}

int Frame::lineRow(const Line& line) const {
    return panel(*this).pixels(line).y1();
}

void Frame::applyScale(const TwipScale& scale) {
    Control::applyScale(scale);
    panel(*this).scale = scale;
    panel(*this).update();
}

}  // namespace toolkit
