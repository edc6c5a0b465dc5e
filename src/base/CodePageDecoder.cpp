#include "base/CodePageDecoder.h"

#include <QStringDecoder>
#include <QStringList>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the bytes
// the code page leaves undefined, which keep their Latin-1 meaning.
constexpr char16_t windows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

QString decodeWindows1252(const QByteArray& bytes)
{
    QString text = QString::fromLatin1(bytes);
    for (QChar& c : text) {
        const char16_t code = c.unicode();
        if (code >= 0x80 && code <= 0x9F && windows1252High[code - 0x80] != 0)
            c = QChar(windows1252High[code - 0x80]);
    }
    return text;
}

QStringList encodingNames(int codePage)
{
    switch (codePage) {
    case 437:
        return {QStringLiteral("IBM437")};
    case 850:
        return {QStringLiteral("IBM850")};
    case 932:
        return {QStringLiteral("Shift_JIS")};
    case 936:
        return {QStringLiteral("GBK")};
    case 949:
        return {QStringLiteral("windows-949"), QStringLiteral("EUC-KR")};
    case 950:
        return {QStringLiteral("Big5")};
    case 10000:
        return {QStringLiteral("macintosh")};
    case 65001:
        return {QStringLiteral("UTF-8")};
    default:
        break;
    }
    const QString number = QString::number(codePage);
    return {QStringLiteral("windows-") + number, QStringLiteral("cp") + number, QStringLiteral("ibm-") + number};
}

} // namespace

CodePageDecoder::CodePageDecoder() = default;
CodePageDecoder::~CodePageDecoder() = default;

QStringDecoder* CodePageDecoder::decoderFor(int codePage)
{
    auto found = m_decoders.find(codePage);
    if (found != m_decoders.end())
        return found->second.get();

    std::unique_ptr<QStringDecoder> decoder;
    for (const QString& name : encodingNames(codePage)) {
        auto candidate = std::make_unique<QStringDecoder>(name.toLatin1().constData(), QStringDecoder::Flag::Stateless);
        if (candidate->isValid()) {
            decoder = std::move(candidate);
            break;
        }
    }
    QStringDecoder* result = decoder.get();
    m_decoders.emplace(codePage, std::move(decoder));
    return result;
}

QString CodePageDecoder::decode(const QByteArray& bytes, int codePage)
{
    if (bytes.isEmpty())
        return {};
    if (QStringDecoder* decoder = decoderFor(codePage))
        return decoder->decode(bytes);
    if (codePage == 1252)
        return decodeWindows1252(bytes);
    return QString::fromLatin1(bytes);
}

int CodePageDecoder::codePageOfCharset(int charset)
{
    struct CharsetCodePage
    {
        int charset;
        int codePage;
    };
    static constexpr CharsetCodePage table[] = {
        {77, 10000}, {128, 932},  {129, 949},  {134, 936},  {136, 950},  {161, 1253}, {162, 1254},
        {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257}, {204, 1251}, {222, 874},  {238, 1250},
    };
    for (const CharsetCodePage& entry : table) {
        if (entry.charset == charset)
            return entry.codePage;
    }
    return 0;
}
