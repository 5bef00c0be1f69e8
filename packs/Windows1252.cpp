#include "packs/Windows1252.h"

#include <QStringDecoder>

#include <array>

namespace {

// 0x80..0x9F; the five bytes Windows-1252 leaves undefined map to the C1
// control of the same number, as web browsers decode them.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t Decode(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char16_t(byte);
}

} // namespace

QString DecodeWindows1252(std::string_view bytes) {
    // Written in place: lists of thousands of titles are decoded at once.
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (char byte : bytes)
        *out++ = QChar(Decode(static_cast<unsigned char>(byte)));
    return text;
}

std::optional<std::string> EncodeWindows1252(const QString& text) {
    std::string bytes;
    for (QChar ch : text) {
        const char16_t code = ch.unicode();
        int found = -1;
        for (int byte = 0x20; byte < 0x100 && found < 0; ++byte)
            if (byte != 0x7F && Decode(static_cast<unsigned char>(byte)) == code)
                found = byte;
        // A C1 control decodes from an undefined byte but is no character.
        if (found < 0 || (code >= 0x80 && code < 0xA0))
            return std::nullopt;
        bytes.push_back(static_cast<char>(found));
    }
    return bytes;
}

QString DecodeFileName(std::string_view bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    return utf8.hasError() ? DecodeWindows1252(bytes) : text;
}
