#include "ui/toolkit/qt/tab_accessibility.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QTabBar>
#include <QWidget>
#include <map>

#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/text.h"

namespace toolkit {

namespace {

constexpr const char* kDescribed = "toolkit.describedTabs";

class Tab : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    Tab(QTabBar* bar, int index) : bar_(bar), index_(index) {}

    bool isValid() const override { return bar_ != nullptr && index_ < bar_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return bar_ ? bar_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(bar_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return qt(plainText(utf8(bar_->tabText(index_))));
        if (t == QAccessible::Description) return bar_->tabToolTip(index_).trimmed();
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::State state() const override {
        QAccessible::State s;
        const QTabBar* bar = bar_.data();
        if (bar == nullptr || index_ >= bar->count()) {
            s.invalid = true;
            return s;
        }
        const bool chosen = index_ == bar->currentIndex();
        s.selectable = true;
        s.selected = chosen;
        s.focusable = true;
        s.focused = chosen && bar->hasFocus();
        s.invisible = bar->isHidden();
        return s;
    }
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect tab = bar_->tabRect(index_);
        return {bar_->mapToGlobal(tab.topLeft()), tab.size()};
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && isValid()) bar_->setCurrentIndex(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QPointer<QTabBar> bar_;
    int index_;
};

class Tabs : public QAccessibleWidget {
  public:
    explicit Tabs(QTabBar* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~Tabs() override {
        for (const auto& [index, id] : ids_) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return bar()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        if (const auto known = ids_.find(index); known != ids_.end())
            return QAccessible::accessibleInterface(known->second);
        auto* tab = new Tab(bar(), index);
        ids_[index] = QAccessible::registerAccessibleInterface(tab);
        return tab;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const auto& [index, id] : ids_)
            if (QAccessible::accessibleInterface(id) == child) return index;
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        return bar()->hasFocus() ? child(bar()->currentIndex()) : nullptr;
    }

  private:
    QTabBar* bar() const { return static_cast<QTabBar*>(widget()); }
    mutable std::map<int, QAccessible::Id> ids_;
};

QAccessibleInterface* describedTabs(const QString& key, QObject* object) {
    if (key != QLatin1String("QTabBar") || !object->property(kDescribed).toBool()) return nullptr;
    return new Tabs(static_cast<QTabBar*>(object));
}

// Tells a listening screen reader that the choice moved from one tab to another.
void announceChoice(QTabBar* bar, int from, int to) {
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(bar);
    QAccessible::State selected;
    selected.selected = true;
    for (int index : {from, to}) {
        if (QAccessibleInterface* tab = tabs != nullptr ? tabs->child(index) : nullptr) {
            QAccessibleStateChangeEvent event(tab, selected);
            QAccessible::updateAccessibility(&event);
        }
    }
}

}  // namespace

void describeTabsForScreenReaders(QTabBar* bar) {
    QAccessible::installFactory(describedTabs);
    bar->setProperty(kDescribed, true);
    auto previous = std::make_shared<int>(bar->currentIndex());
    QObject::connect(bar, &QTabBar::currentChanged, bar, [bar, previous](int index) {
        announceChoice(bar, *previous, index);
        *previous = index;
    });
}

}  // namespace toolkit
