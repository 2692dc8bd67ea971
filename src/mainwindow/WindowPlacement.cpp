#include "mainwindow/WindowPlacement.h"
#include "base/VbText.h"
#include "config/cls_Config.h"
#include <algorithm>
#include <stdexcept>

namespace {
const QString MainNode = QStringLiteral("Window/ZEP_Main");
const QString StateNode = QStringLiteral("Window/ZEP_state");
const QString StateKey = QStringLiteral("windstate");
constexpr QSize MinimisedReopenSize(1020, 700);
} // namespace

QRect WindowPlacement::startGeometry() const {
    const QPoint topLeft(std::max(0, mainValue("Left")), std::max(0, mainValue("Top")));
    if (windstate() == Minimised) return QRect(topLeft, MinimisedReopenSize);
    return QRect(topLeft, QSize(mainValue("Width"), mainValue("Height")));
}

int WindowPlacement::windstate() const { return vb::CLng(vb::Val(config().GetNodeAttrib(StateNode, StateKey))); }

int WindowPlacement::storedWidth() const { return mainValue("Width"); }

void WindowPlacement::saveGeometry(const QRect& r) const {
    cls_Config& c = config();
    c.SetNodeAttrib(MainNode, QStringLiteral("Left"), QString::number(r.left()));
    c.SetNodeAttrib(MainNode, QStringLiteral("Top"), QString::number(r.top()));
    c.SetNodeAttrib(MainNode, QStringLiteral("Width"), QString::number(r.width()));
    c.SetNodeAttrib(MainNode, QStringLiteral("Height"), QString::number(r.height()));
}

void WindowPlacement::saveState(plat::WindowState state) const {
    config().SetNodeAttrib(StateNode, StateKey, QString::number(static_cast<int>(state)));
}

int WindowPlacement::mainValue(const char* key) const {
    return vb::CLng(vb::Val(config().GetNodeAttrib(MainNode, QString::fromLatin1(key))));
}

cls_Config& WindowPlacement::config() const {
    if (!config_) throw std::runtime_error("no configuration document");
    return *config_;
}
