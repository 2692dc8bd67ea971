#include "session/ClientIdStore.h"
#include "core/AppContext.h"
#include "base/VbText.h"
#include "config/cls_Config.h"
#include "platform/Platform.h"
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace push {

namespace {
const QString NodeName = QStringLiteral("ZEPID");
const QString FileName = QStringLiteral("ZEP_ID.txt");
} // namespace

QString ClientIdStore::filePath() const { return QDir(ctx_.Folders.clientIdDir(ctx_)).filePath(FileName); }

int32_t ClientIdStore::read() const {
    if (ctx_.Config && ctx_.Config->isExist(QString(), NodeName)) return idFrom(ctx_.Config->GetNodeText(NodeName));
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly)) return 0;
    // The number is plain digits; anything beyond the first line is not ours.
    return idFrom(QString::fromLatin1(file.readLine(64)));
}

int32_t ClientIdStore::idFrom(const QString& text) {
    const int32_t id = vb::CLng(vb::Val(text));
    return id < 1 ? 0 : id;
}

void ClientIdStore::store(int32_t id) {
    const QString text = QString::number(id);
    if (ctx_.Config) {
        if (!ctx_.Config->isExist(QString(), NodeName)) ctx_.Config->CreateNode(QString(), NodeName);
        ctx_.Config->SetNodeText(NodeName, text);
    }
    // Replaced whole or not at all: a half-written id would be read as another number.
    QDir().mkpath(ctx_.Folders.clientIdDir(ctx_));
    QSaveFile file(filePath());
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toLatin1() + "\r\n") < 0 || !file.commit())
        log(QStringLiteral("cannot write ") + filePath());
}

void ClientIdStore::log(const QString& message) const {
    ctx_.platform.log().write(QStringLiteral("ClientIdStore"), message);
}

} // namespace push
