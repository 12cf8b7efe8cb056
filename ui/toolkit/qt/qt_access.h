#pragma once

// The Qt widgets behind the contract's controls, for what needs Qt itself: the tests that drive
// real events through Qt's test library, and the benchmarks.
#include <QLineEdit>
#include <QTabBar>
#include <QWidget>

#include "ui/toolkit/control.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/tab_strip.h"
#include "ui/toolkit/text_box.h"

namespace toolkit {

QWidget* widgetOf(const Control& control);
QWidget* windowOf(const Form& form);
QLineEdit* editOf(const TextBox& box);
QTabBar* tabBarOf(const TabStrip& strip);
// The control a widget of the form belongs to, if any.
Control* controlOf(const Form& form, const QWidget* widget);

}  // namespace toolkit
