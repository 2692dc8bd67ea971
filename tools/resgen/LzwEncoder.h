#pragma once
#include <QByteArray>

// The variable-length-code LZW of GIF image data.
class LzwEncoder {
public:
    // Encodes colour indices (each below 2^minCodeSize) into the packed code stream, clear code
    // first and end-of-information code last, without the sub-block framing.
    static QByteArray encode(const QByteArray& indices, int minCodeSize);
};
