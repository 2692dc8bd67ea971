#include "app/DesktopEntry.h"
#include <QFile>
#include <QSaveFile>

namespace {

const QString Group = QStringLiteral("[Desktop Entry]");

// The escapes of a desktop entry's string values.
QString escapeValue(const QString& s) {
    QString out;
    for (const QChar c : s) {
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

QString unescapeValue(const QString& s) {
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] != u'\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        const QChar c = s[++i];
        out += c == u's'   ? QChar(u' ')
               : c == u'n' ? QChar(u'\n')
               : c == u't' ? QChar(u'\t')
               : c == u'r' ? QChar(u'\r')
                           : c;
    }
    return out;
}

// One Exec argument, always quoted so that spaces and shell characters stay literal.
QString quoteArgument(const QString& arg) {
    QString out = QStringLiteral("\"");
    for (const QChar c : arg) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') out += u'\\';
        out += c == u'%' ? QStringLiteral("%%") : QString(c);
    }
    return out + u'"';
}

// The first argument of an Exec command line, quoted or not.
QString firstArgument(const QString& exec) {
    const QString cmd = exec.trimmed();
    QString arg;
    if (!cmd.startsWith(u'"')) {
        arg = cmd.section(u' ', 0, 0);
    } else {
        for (qsizetype i = 1; i < cmd.size() && cmd[i] != u'"'; ++i)
            arg += cmd[i] == u'\\' && i + 1 < cmd.size() ? cmd[++i] : cmd[i];
    }
    return arg.replace(QStringLiteral("%%"), QStringLiteral("%"));
}

} // namespace

bool DesktopEntry::load() {
    lines_.clear();
    QFile f(file_);
    if (!f.open(QIODevice::ReadOnly)) return false;
    lines_ = QString::fromUtf8(f.readAll()).split(u'\n');
    while (!lines_.isEmpty() && lines_.last().isEmpty()) lines_.removeLast();
    return true;
}

bool DesktopEntry::save() const {
    QSaveFile f(file_);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write((lines_.join(u'\n') + u'\n').toUtf8());
    if (!f.commit()) return false;
    // Desktops launch only entries marked executable.
    QFile::setPermissions(file_, QFile::permissions(file_) | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
    return true;
}

QString DesktopEntry::target() const { return firstArgument(value(QStringLiteral("Exec"))); }

void DesktopEntry::setTarget(const QString& program) {
    if (value(QStringLiteral("Type")).isEmpty()) setValue(QStringLiteral("Type"), QStringLiteral("Application"));
    setValue(QStringLiteral("Exec"), quoteArgument(program));
}

void DesktopEntry::setWorkingDirectory(const QString& dir) { setValue(QStringLiteral("Path"), dir); }

void DesktopEntry::setIcon(const QString& iconFile) { setValue(QStringLiteral("Icon"), iconFile); }

void DesktopEntry::setName(const QString& name) { setValue(QStringLiteral("Name"), name); }

QString DesktopEntry::value(const QString& key) const {
    const QString prefix = key + u'=';
    bool inGroup = false;
    for (const QString& line : lines_) {
        if (line.startsWith(u'['))
            inGroup = line.trimmed() == Group;
        else if (inGroup && line.startsWith(prefix))
            return unescapeValue(line.mid(prefix.size()));
    }
    return {};
}

void DesktopEntry::setValue(const QString& key, const QString& value) {
    const QString line = key + u'=' + escapeValue(value);
    const QString prefix = key + u'=';
    qsizetype groupAt = lines_.indexOf(Group);
    if (groupAt < 0) {
        lines_.prepend(Group);
        groupAt = 0;
    }
    qsizetype end = groupAt + 1;
    for (; end < lines_.size() && !lines_[end].startsWith(u'['); ++end) {
        if (lines_[end].startsWith(prefix)) {
            lines_[end] = line;
            return;
        }
    }
    lines_.insert(end, line);
}
