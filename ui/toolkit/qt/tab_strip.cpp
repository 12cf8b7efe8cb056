#include "ui/toolkit/tab_strip.h"

#include <QKeySequence>
#include <QPainter>
#include <QShortcutEvent>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QWheelEvent>

#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/qt/tab_accessibility.h"
#include "ui/toolkit/twips.h"

namespace toolkit {

namespace {

class Bar : public QTabBar {
  public:
    using QTabBar::QTabBar;

  protected:
    // A turn of the wheel over the tabs must not switch modes behind the trader's back.
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }
};

// The page area under the tabs, drawn like a tab widget's pane.
class Pane : public QWidget {
  public:
    explicit Pane(QWidget* parent) : QWidget(parent) {}
    QTabBar* bar = nullptr;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QStyleOptionTabWidgetFrame option;
        option.initFrom(this);
        const int top = bar->geometry().bottom() + 1 -
                        style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
        option.rect = QRect(0, top, width(), height() - top);
        option.shape = QTabBar::RoundedNorth;
        option.tabBarSize = bar->size();
        option.tabBarRect = bar->geometry();
        option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
        style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, this);
    }
};

// The pane is the control; its bar takes the focus.
struct NativeTabs : NativeControl {
    explicit NativeTabs(Pane* pane) : NativeControl(pane), bar(new Bar(pane)) { pane->bar = bar; }
    QWidget* focusWidget() const override { return bar; }
    Bar* bar;
};

Bar* barOf(const TabStrip& strip) {
    return static_cast<NativeTabs&>(strip.native()).bar;
}

}  // namespace

TabStrip::TabStrip(ControlParent parent)
    : Control(std::make_unique<NativeTabs>(new Pane(parentWidget(parent)))) {
    Bar* bar = barOf(*this);
    bar->setDrawBase(false);
    bar->setExpanding(false);
    bar->setUsesScrollButtons(false);
    bar->setFocusPolicy(Qt::TabFocus);
    describeTabsForScreenReaders(bar);
    QObject::connect(bar, &QTabBar::currentChanged, bar, [this] {
        if (click) click();
    });
    QObject::connect(bar, &QTabBar::tabBarClicked, bar, [this, bar](int index) {
        if (index == bar->currentIndex() && click) click();
    });
}

void TabStrip::addTab(const std::string& caption, const std::string& toolTip) {
    Bar* bar = barOf(*this);
    const QSignalBlocker quiet(bar);  // adding the first tab selects it; that is no choice
    const int index = bar->addTab(qt(caption));
    bar->setTabToolTip(index, qt(toolTip));
}

int TabStrip::selectedItem() const {
    return barOf(*this)->currentIndex() + 1;
}
void TabStrip::setSelectedItem(int index) {
    barOf(*this)->setCurrentIndex(index - 1);
}
int TabStrip::tabCount() const {
    return barOf(*this)->count();
}
std::string TabStrip::tabCaption(int index) const {
    return utf8(barOf(*this)->tabText(index - 1));
}
std::string TabStrip::tabToolTip(int index) const {
    return utf8(barOf(*this)->tabToolTip(index - 1));
}

Size TabStrip::contentSize() const {
    const QSize all = barOf(*this)->sizeHint();  // all tabs side by side: the bar never scrolls
    return {all.width(), all.height()};
}

void TabStrip::applyScale(const TwipScale& scale) {
    Control::applyScale(scale);
    Bar* bar = barOf(*this);
    bar->setGeometry(0, 0, native().widget->width(), bar->sizeHint().height());
}

}  // namespace toolkit
