#pragma once

#include <QSize>

class QWidget;

namespace toolkit {

// The size the window system itself gives a shown top-level window, in device pixels; an
// empty size where it cannot be asked (only X11 can be).
QSize nativeWindowSize(const QWidget* window);

}  // namespace toolkit
