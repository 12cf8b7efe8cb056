#pragma once

#include <QColor>
#include <QHash>
#include <QPalette>
#include <QString>
#include <QTimer>
#include <memory>
#include <string>

#include "ui/toolkit/control.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/system_colour.h"

class QKeyEvent;
class QWidget;

namespace toolkit {

class FocusGuard;

// On Qt, a control is a widget, owned by its parent widget; what takes the focus for it may be
// a child of it (a tab strip's bar).
struct NativeControl {
    explicit NativeControl(QWidget* w) : widget(w) {}
    virtual ~NativeControl() = default;
    virtual QWidget* focusWidget() const { return widget; }

    QWidget* widget;
};

// On Qt, a form is a top-level widget, with the filter that guards the focus.
struct NativeForm {
    explicit NativeForm(Form& form);
    ~NativeForm();

    Control* controlOf(const QWidget* widget) const;
    void raiseResize() { form.raiseResize(); }
    void registerControl(Control& control);

    Form& form;
    QWidget* window;
    std::unique_ptr<FocusGuard> guard;
    QHash<const QWidget*, Control*> byWidget;
    QTimer* timer = nullptr;  // the window's child, made when first set
};

// Key codes as the handlers know them: the Windows virtual-key codes of the keys they use, the
// ASCII codes of letters and digits; and the shift bits.
int keyCode(const QKeyEvent* event);
int shiftState(Qt::KeyboardModifiers modifiers);

// The widget a new control goes into.
QWidget* parentWidget(const ControlParent& parent);

// Text across the contract is UTF-8.
inline QString qt(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string utf8(const QString& text) {
    return text.toStdString();
}

// The system colours through the application palette, so the window follows the theme.
QPalette::ColorRole paletteRole(SystemColour colour);
QColor resolve(SystemColour colour);

}  // namespace toolkit
