#include "platform/qt/QtPointerState.h"
#include <QGuiApplication>
#include <QLibrary>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <xcb/xcb.h>

namespace plat {

namespace {

// libxcb is loaded by Qt's X11 plugin already; its two query functions are looked up there
// rather than linked, so that the program does not depend on libxcb where it runs on
// another display server.
struct XcbPointerQuery {
    using Query = xcb_query_pointer_cookie_t (*)(xcb_connection_t*, xcb_window_t);
    using Reply = xcb_query_pointer_reply_t* (*)(xcb_connection_t*, xcb_query_pointer_cookie_t, xcb_generic_error_t**);
    using Setup = const xcb_setup_t* (*)(xcb_connection_t*);
    using Roots = xcb_screen_iterator_t (*)(const xcb_setup_t*);

    XcbPointerQuery() : library(QStringLiteral("xcb"), 1) {
        query = reinterpret_cast<Query>(library.resolve("xcb_query_pointer"));
        reply = reinterpret_cast<Reply>(library.resolve("xcb_query_pointer_reply"));
        setup = reinterpret_cast<Setup>(library.resolve("xcb_get_setup"));
        roots = reinterpret_cast<Roots>(library.resolve("xcb_setup_roots_iterator"));
    }
    bool usable() const { return query && reply && setup && roots; }

    QLibrary library;
    Query query = nullptr;
    Reply reply = nullptr;
    Setup setup = nullptr;
    Roots roots = nullptr;
};

Qt::MouseButtons fromMask(uint16_t mask) {
    Qt::MouseButtons buttons;
    if (mask & XCB_BUTTON_MASK_1) buttons |= Qt::LeftButton;
    if (mask & XCB_BUTTON_MASK_2) buttons |= Qt::MiddleButton;
    if (mask & XCB_BUTTON_MASK_3) buttons |= Qt::RightButton;
    return buttons;
}

} // namespace

Qt::MouseButtons QtPointerState::buttons() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    static XcbPointerQuery xcb;
    if (!x11 || !xcb.usable()) return QGuiApplication::mouseButtons();
    xcb_connection_t* connection = x11->connection();
    const xcb_window_t root = xcb.roots(xcb.setup(connection)).data->root;
    xcb_query_pointer_reply_t* reply = xcb.reply(connection, xcb.query(connection, root), nullptr);
    if (!reply) return QGuiApplication::mouseButtons();
    const Qt::MouseButtons buttons = fromMask(reply->mask);
    std::free(reply);
    return buttons;
}

} // namespace plat
