#include "XDesktop.h"
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

namespace XDesktop {

QString run(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(10000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

qulonglong largestWindow(const QString& windowClass) {
    qulonglong best = 0;
    qint64 bestArea = 0;
    const QStringList ids =
        run("xdotool", {"search", "--onlyvisible", "--class", windowClass}).split(u'\n', Qt::SkipEmptyParts);
    for (const QString& id : ids) {
        const QRect r = geometry(id.toULongLong());
        const qint64 area = qint64(r.width()) * r.height();
        if (area > bestArea) {
            best = id.toULongLong();
            bestArea = area;
        }
    }
    return best;
}

QRect geometry(qulonglong window) {
    // "WINDOW=..", "X=..", "Y=..", "WIDTH=..", "HEIGHT=.." lines.
    const QString out = run("xdotool", {"getwindowgeometry", "--shell", QString::number(window)});
    const auto value = [&](const char* key) {
        const QRegularExpression line(QStringLiteral("^%1=(-?\\d+)$").arg(QLatin1String(key)),
                                      QRegularExpression::MultilineOption);
        const auto m = line.match(out);
        return m.hasMatch() ? m.captured(1).toInt() : 0;
    };
    return out.isEmpty() ? QRect() : QRect(value("X"), value("Y"), value("WIDTH"), value("HEIGHT"));
}

bool maximised(qulonglong window) {
    const QString state = run("xprop", {"-id", QString::number(window), "_NET_WM_STATE"});
    return state.contains("_NET_WM_STATE_MAXIMIZED_VERT") && state.contains("_NET_WM_STATE_MAXIMIZED_HORZ");
}

QRect workArea() {
    // "_NET_WORKAREA(CARDINAL) = x, y, w, h, ..." (one rectangle a virtual desktop).
    const QString out = run("xprop", {"-root", "_NET_WORKAREA"});
    const QStringList n = out.section(u'=', 1).split(u',', Qt::SkipEmptyParts);
    if (n.size() < 4) return {};
    return QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt());
}

namespace {

// The line of the window tree that shows the class inside trayer's "panel" window.
QString trayLine(const QString& windowClass) {
    const QStringList lines = run("xwininfo", {"-root", "-tree"}).split(u'\n');
    const QString wanted = QStringLiteral("(\"%1\"").arg(windowClass);
    qsizetype panelIndent = -1;
    for (const QString& line : lines) {
        const qsizetype indent = line.size() - line.trimmed().size();
        if (line.contains(QStringLiteral("(\"panel\" \"trayer\")"))) {
            panelIndent = indent;
            continue;
        }
        if (panelIndent < 0) continue;
        if (indent <= panelIndent && !line.trimmed().isEmpty() && !line.trimmed().endsWith(u':'))
            panelIndent = -1;
        else if (line.contains(wanted))
            return line;
    }
    return {};
}

} // namespace

bool trayHolds(const QString& windowClass) { return !trayLine(windowClass).isEmpty(); }

QRect trayIcon(const QString& windowClass) {
    // "... 22x22+0+0  +1480+976": the size, the place in the parent, the place on the screen.
    static const QRegularExpression place(QStringLiteral("(\\d+)x(\\d+)[+-]\\d+[+-]\\d+\\s+\\+(-?\\d+)\\+(-?\\d+)"));
    const auto m = place.match(trayLine(windowClass));
    if (!m.hasMatch()) return {};
    return QRect(m.captured(3).toInt(), m.captured(4).toInt(), m.captured(1).toInt(), m.captured(2).toInt());
}

QList<qulonglong> windows(const QString& windowClass) {
    QList<qulonglong> ids;
    for (const QString& id :
         run("xdotool", {"search", "--onlyvisible", "--class", windowClass}).split(u'\n', Qt::SkipEmptyParts))
        ids << id.toULongLong();
    return ids;
}

qulonglong windowNamed(const QString& title) {
    const QString regex = QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$');
    const QStringList ids =
        run("xdotool", {"search", "--onlyvisible", "--name", regex}).split(u'\n', Qt::SkipEmptyParts);
    return ids.isEmpty() ? 0 : ids.front().toULongLong();
}

void click(const QPoint& at) {
    run("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
}

void rightClick(const QPoint& at) {
    run("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "3"});
}

void drag(const QPoint& from, const QPoint& to) {
    run("xdotool", {"mousemove", QString::number(from.x()), QString::number(from.y()), "mousedown", "1"});
    // The press goes through the program to the window manager before a move can follow it.
    QThread::msleep(500);
    constexpr int Steps = 8;
    for (int i = 1; i <= Steps; ++i) {
        QThread::msleep(50);
        const QPoint p = from + (to - from) * i / Steps;
        run("xdotool", {"mousemove", QString::number(p.x()), QString::number(p.y())});
    }
    run("xdotool", {"mouseup", "1"});
}

void type(const QString& text) { run("xdotool", {"type", "--delay", "120", text}); }

bool screenshot(const QString& file) {
    QProcess p;
    p.start("import", {"-window", "root", file});
    return p.waitForFinished(30000) && p.exitCode() == 0 && QFileInfo(file).size() > 0;
}

} // namespace XDesktop
