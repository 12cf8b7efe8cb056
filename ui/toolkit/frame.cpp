#include "ui/toolkit/frame.h"

#include <QPainter>
#include <QWidget>
#include <deque>

#include "ui/toolkit/twips.h"

namespace toolkit {

class Frame::Panel : public QWidget {
  public:
    explicit Panel(QWidget* parent) : QWidget(parent) {
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::Window);
        setFocusPolicy(Qt::NoFocus);
    }

    std::deque<Line> lines;  // a deque keeps the references addLine hands out
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

Frame::Frame(QWidget* parent) : Control(new Panel(parent)) {
    panel_ = static_cast<Panel*>(widget());
}

Line& Frame::addLine(int x1, int y1, int x2, int y2, SystemColour colour) {
    return panel_->lines.emplace_back(Line{x1, y1, x2, y2, colour});
}

int Frame::lineRow(const Line& line) const {
    return panel_->pixels(line).y1();
}

void Frame::applyScale(const TwipScale& scale) {
    Control::applyScale(scale);
    panel_->scale = scale;
    panel_->update();
}

}  // namespace toolkit
