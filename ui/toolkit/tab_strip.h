#pragma once

#include <functional>
#include <string>

#include "ui/toolkit/control.h"
#include "ui/toolkit/text.h"

namespace toolkit {

// One row of tabs along the top edge of a page area. The tabs only report which one is chosen;
// the page never changes. Indexes are 1-based.
class TabStrip : public Control {
  public:
    explicit TabStrip(ControlParent parent);

    void addTab(const std::string& caption, const std::string& toolTip);
    int selectedItem() const;
    void setSelectedItem(int index);
    int tabCount() const;
    std::string tabCaption(int index) const;
    std::string tabToolTip(int index) const;

    // Raised when a tab is chosen, also the one already selected.
    std::function<void()> click;
    void detachHandlers() override { click = nullptr; }

    // The tab row's height and the width all its tabs need.
    Size contentSize() const override;
    void applyScale(const TwipScale& scale) override;

    bool actsOnPress() const override { return true; }
    bool takesTab() const override { return visible(); }
    const Focusable* accessKeyTarget(char key) const override {
        return tabWithKey(key) != 0 ? this : nullptr;
    }
    // A tab's access key selects it; the selected tab's does what a click on it does.
    void pressAccessKey(char key) override {
        const int tab = tabWithKey(key);
        if (tab != selectedItem())
            setSelectedItem(tab);
        else if (click)
            click();
    }

  private:
    // The tab whose caption marks key, or 0.
    int tabWithKey(char key) const {
        for (int i = 1; i <= tabCount(); ++i)
            if (accessKeyOf(tabCaption(i)) == key) return i;
        return 0;
    }
};

}  // namespace toolkit
