#include "wire/LoginReplyRecord.h"
#include "wire/MessageId.h"
#include "wire/RecordReader.h"
#include "wire/RecordWriter.h"

namespace push {

namespace {
enum { ResultCode = 2, Nickname = 3, NicknameWidth = 50, Flag = 54 };
}

bool LoginReplyRecord::isLoginReply() const { return id == Login; }

QByteArray LoginReplyRecord::build() const {
    return RecordWriter(id, Length)
        .byte(ResultCode, result)
        .text(Nickname, NicknameWidth, nickname)
        .byte(Flag, accountFlag.value_or(0))
        .bytes();
}

std::optional<LoginReplyRecord> LoginReplyRecord::parse(QByteArrayView datagram) {
    const RecordReader r(datagram);
    if (!r.holds(3)) return std::nullopt;
    return LoginReplyRecord{static_cast<uint16_t>(r.id()), *r.byte(ResultCode), r.text(Nickname, NicknameWidth),
                            r.byte(Flag)};
}

} // namespace push
