#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <memory>

class QStringDecoder;

// Turns bytes of a Windows code page (1252, 1251, 932, ...) into text, as
// RTF documents name them. A code page Qt cannot decode falls back to
// Latin-1; 1252, the usual one, is decoded correctly even then.
class CodePageDecoder
{
public:
    CodePageDecoder();
    ~CodePageDecoder();

    CodePageDecoder(const CodePageDecoder&) = delete;
    CodePageDecoder& operator=(const CodePageDecoder&) = delete;

    QString decode(const QByteArray& bytes, int codePage);

    // The code page of an RTF font character set (\fcharsetN); 0 when the
    // character set follows the document's code page.
    static int codePageOfCharset(int charset);

private:
    QStringDecoder* decoderFor(int codePage);

    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;
};
