#include "ui/toolkit/qt/native_size.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>

namespace toolkit {

QSize nativeWindowSize(const QWidget* window) {
    // Other platforms, offscreen among them, may answer for X11 without an X connection.
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !window->isVisible()) return {};
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) return {};
    const auto id = static_cast<xcb_window_t>(window->winId());
    xcb_get_geometry_reply_t* reply =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr);
    if (reply == nullptr) return {};
    const QSize size(reply->width, reply->height);
    std::free(reply);
    return size;
}

}  // namespace toolkit
