#include "platform/res/PageResource.h"
#include "base/Cp936.h"

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

} // namespace

QByteArray PageResource::contentType() const { return charset.isEmpty() ? mimeType : mimeType + ";charset=" + charset; }

QString PageResource::text() const {
    if (charset == "utf-8") {
        return QString::fromUtf8(data.startsWith(kUtf8Bom) ? data.mid(kUtf8Bom.size()) : data);
    }
    if (charset == "gb2312") return cp936::decode(data);
    return {};
}
