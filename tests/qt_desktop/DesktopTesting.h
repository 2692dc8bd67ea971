#pragma once
#include "Wait.h"
#include <QProcess>
#include <QStringList>

// The user's mouse on the X server: xdotool mousemove X Y, mousedown 1, ...
inline bool xdotool(const QStringList& args) { return QProcess::execute(QStringLiteral("xdotool"), args) == 0; }
