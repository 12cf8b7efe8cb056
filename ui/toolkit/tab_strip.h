#pragma once

#include <QString>
#include <functional>

#include "ui/toolkit/control.h"

class QTabBar;

namespace toolkit {

// One row of tabs along the top edge of a page area. The tabs only report which one is chosen;
// the page never changes. Indexes are 1-based.
class TabStrip : public Control {
  public:
    explicit TabStrip(QWidget* parent);

    void addTab(const QString& caption, const QString& toolTip);
    int selectedItem() const;
    void setSelectedItem(int index);
    int tabCount() const;
    QString tabCaption(int index) const;
    QString tabToolTip(int index) const;
    QTabBar* tabBar() const { return bar_; }
    QWidget* focusWidget() const override;

    // Raised when a tab is chosen, also the one already selected.
    std::function<void()> click;
    void detachHandlers() override { click = nullptr; }

    // The tab row's height and the width all its tabs need.
    QSize contentSize() const override;
    void applyScale(const TwipScale& scale) override;

  private:
    QTabBar* bar_;
};

}  // namespace toolkit
