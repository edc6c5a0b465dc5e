#include "support/PdfFile.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

int Pdf::pageCount() const
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    return static_cast<int>(QString::fromLatin1(bytes).count(page));
}

QSizeF Pdf::mediaBox() const
{
    static const QRegularExpression box(
        QStringLiteral("/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s*\\]"));
    const QRegularExpressionMatch match = box.match(QString::fromLatin1(bytes));
    if (!match.hasMatch())
        return {};
    return {match.captured(3).toDouble() - match.captured(1).toDouble(),
            match.captured(4).toDouble() - match.captured(2).toDouble()};
}

QByteArray Pdf::contents() const
{
    QByteArray all;
    qsizetype at = 0;
    while ((at = bytes.indexOf("stream\n", at)) >= 0) {
        const qsizetype start = at + 7;
        const qsizetype end = bytes.indexOf("endstream", start);
        if (end < 0)
            break;
        const QByteArray dictionary = bytes.mid(std::max<qsizetype>(0, at - 200), 200);
        const QByteArray data = bytes.mid(start, end - start);
        if (dictionary.contains("/FlateDecode")) {
            // qUncompress wants the expected size first; any size will do.
            QByteArray sized("\x00\x10\x00\x00", 4);
            all += qUncompress(sized + data);
        } else {
            all += data;
        }
        at = end;
    }
    return all;
}

Pdf readPdf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return {file.readAll()};
}
