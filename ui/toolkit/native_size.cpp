#include "native_size.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>

namespace toolkit {

QSize nativeWindowSize(const QWidget* window) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || !window->isVisible()) return {};
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window->winId());
    xcb_get_geometry_reply_t* reply =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr);
    if (reply == nullptr) return {};
    const QSize size(reply->width, reply->height);
    std::free(reply);
    return size;
}

}  // namespace toolkit
