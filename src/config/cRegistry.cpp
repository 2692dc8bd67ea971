#include "config/cRegistry.h"
#include "base/Cp936.h"
#include "base/VbError.h"
#include "base/VbText.h"
#include "platform/sys/RegistryStore.h"
#include <QRegularExpression>
#include <QtEndian>

namespace {

QString textUpToNul(const QByteArray& data) {
    const qsizetype nul = data.indexOf('\0');
    return cp936::decode(nul < 0 ? data : data.left(nul));
}

// %NAME% becomes the variable's value; names that are not set stay as written.
QString expandEnvironment(const QString& text) {
    static const QRegularExpression variable(QStringLiteral("%([^%]+)%"));
    QString expanded;
    qsizetype done = 0;
    for (auto it = variable.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString name = match.captured(1);
        expanded += text.mid(done, match.capturedStart() - done);
        expanded += qEnvironmentVariableIsSet(name.toLocal8Bit().constData())
                        ? qEnvironmentVariable(name.toLocal8Bit().constData())
                        : match.captured();
        done = match.capturedEnd();
    }
    return expanded + text.mid(done);
}

quint32 dwordOf(const QByteArray& data) {
    QByteArray four = data.left(4);
    four.append(4 - four.size(), '\0');
    return qFromLittleEndian<quint32>(four.constData());
}

} // namespace

cRegistry::cRegistry(plat::RegistryStore& store) : store_(store) {}

QVariant cRegistry::Value() {
    int type = 0;
    QByteArray data;
    if (!store_.read(classKey_, sectionKey_, valueKey_, type, data)) return default_;
    valueType_ = type;
    return decode(type, data);
}

QVariant cRegistry::decode(int type, const QByteArray& data) const {
    switch (type) {
    case REG_SZ:
    case REG_MULTI_SZ:
        return textUpToNul(data);
    case REG_EXPAND_SZ:
        return expandEnvironment(textUpToNul(data));
    case REG_DWORD:
        return static_cast<qint32>(dwordOf(data));
    case REG_DWORD_BIG_ENDIAN:
        return static_cast<qint32>(qbswap(dwordOf(data)));
    default:
        return data;
    }
}

void cRegistry::setValue(const QVariant& value) {
    int type = 0;
    QByteArray data;
    if (encode(value, type, data) && store_.write(classKey_, sectionKey_, valueKey_, type, data)) return;
    throw VbError(WriteFailed, QStringLiteral("Zavez_ZEP.cRegistry"),
                  QStringLiteral("Failed to set registry value Key: '") +
                      QString::number(static_cast<qint32>(classKey_)) + QStringLiteral("',Section: '") + sectionKey_ +
                      QStringLiteral("',Key: '") + valueKey_ + QStringLiteral("' to value: '") + value.toString() +
                      QStringLiteral("'"));
}

bool cRegistry::encode(const QVariant& value, int& type, QByteArray& data) const {
    switch (valueType_) {
    case REG_SZ:
    case REG_EXPAND_SZ: {
        QString text = value.toString();
        // The stored form readers of this value have always found for a single space.
        if (text == QStringLiteral(" ")) text = QStringLiteral("   ");
        type = text.indexOf('%') != text.lastIndexOf('%') ? REG_EXPAND_SZ : REG_SZ;
        data = cp936::encode(text) + '\0';
        return true;
    }
    case REG_BINARY:
        type = REG_BINARY;
        data = value.toByteArray();
        return true;
    case REG_DWORD:
    case REG_DWORD_BIG_ENDIAN: {
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (!ok) return false;
        type = REG_DWORD;
        data.resize(4);
        qToLittleEndian<qint32>(vb::CLng(number), data.data());
        return true;
    }
    default:
        return false;
    }
}
