#include "ui/toolkit/tab_strip.h"

#include <QKeySequence>
#include <QPainter>
#include <QShortcutEvent>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QWheelEvent>

#include "ui/toolkit/tab_accessibility.h"
#include "ui/toolkit/twips.h"

namespace toolkit {

namespace {

class Bar : public QTabBar {
  public:
    using QTabBar::QTabBar;

    // Raised when the access key of the selected tab is pressed, which QTabBar ignores.
    std::function<void()> reselected;

  protected:
    // A turn of the wheel over the tabs must not switch modes behind the trader's back.
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }

    bool event(QEvent* event) override {
        const bool selectedTabsKey = event->type() == QEvent::Shortcut && currentIndex() >= 0 &&
                                     static_cast<QShortcutEvent*>(event)->key() ==
                                         QKeySequence::mnemonic(tabText(currentIndex()));
        const bool handled = QTabBar::event(event);
        if (selectedTabsKey && reselected) reselected();
        return handled;
    }
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

}  // namespace

TabStrip::TabStrip(QWidget* parent) : Control(new Pane(parent)) {
    auto* pane = static_cast<Pane*>(widget());
    bar_ = new Bar(pane);
    pane->bar = bar_;
    bar_->setDrawBase(false);
    bar_->setExpanding(false);
    bar_->setUsesScrollButtons(false);
    bar_->setFocusPolicy(Qt::TabFocus);
    describeTabsForScreenReaders(bar_);
    QObject::connect(bar_, &QTabBar::currentChanged, bar_, [this] {
        if (click) click();
    });
    QObject::connect(bar_, &QTabBar::tabBarClicked, bar_, [this](int index) {
        if (index == bar_->currentIndex() && click) click();
    });
    // Its access key does what a click on the selected tab does.
    static_cast<Bar*>(bar_)->reselected = [this] {
        if (click) click();
    };
}

void TabStrip::addTab(const QString& caption, const QString& toolTip) {
    const QSignalBlocker quiet(bar_);  // adding the first tab selects it; that is no choice
    const int index = bar_->addTab(caption);
    bar_->setTabToolTip(index, toolTip);
}

QWidget* TabStrip::focusWidget() const {
    return bar_;
}

int TabStrip::selectedItem() const {
    return bar_->currentIndex() + 1;
}
void TabStrip::setSelectedItem(int index) {
    bar_->setCurrentIndex(index - 1);
}
int TabStrip::tabCount() const {
    return bar_->count();
}
QString TabStrip::tabCaption(int index) const {
    return bar_->tabText(index - 1);
}
QString TabStrip::tabToolTip(int index) const {
    return bar_->tabToolTip(index - 1);
}

QSize TabStrip::contentSize() const {
    return bar_->sizeHint();  // all tabs side by side: the bar never scrolls
}

void TabStrip::applyScale(const TwipScale& scale) {
    Control::applyScale(scale);
    bar_->setGeometry(0, 0, widget()->width(), bar_->sizeHint().height());
}

}  // namespace toolkit
