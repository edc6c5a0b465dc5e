#include "base/NativeFileName.h"

#include <QByteArrayView>
#include <QFile>

namespace {

constexpr char16_t firstEscape = 0xDC80;
constexpr char16_t lastEscape = 0xDCFF;

// An escaped byte is a low surrogate without the high one before it; a
// character above U+FFFF is a pair, whose low half may fall in the range too.
bool isEscape(const QString& name, qsizetype index)
{
    const char16_t unit = name.at(index).unicode();
    return unit >= firstEscape && unit <= lastEscape && (index == 0 || !name.at(index - 1).isHighSurrogate());
}

// The length of the valid UTF-8 sequence at the index, 0 when none starts
// there. A valid sequence has no valid shorter start, so the first length
// that checks out is the one.
qsizetype sequenceLength(QByteArrayView bytes, qsizetype index)
{
    for (qsizetype length = 1; length <= 4 && index + length <= bytes.size(); ++length) {
        if (bytes.sliced(index, length).isValidUtf8())
            return length;
    }
    return 0;
}

} // namespace

namespace NativeFileName {

QString decode(const QByteArray& bytes)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (QByteArrayView(bytes).isValidUtf8())
        return QFile::decodeName(bytes);
    QString name;
    name.reserve(bytes.size());
    qsizetype index = 0;
    while (index < bytes.size()) {
        const qsizetype length = sequenceLength(bytes, index);
        if (length > 0) {
            name += QString::fromUtf8(bytes.constData() + index, length);
            index += length;
        } else {
            name += QChar(char16_t(firstEscape - 0x80 + static_cast<unsigned char>(bytes.at(index))));
            ++index;
        }
    }
    return name;
#else
    return QFile::decodeName(bytes);
#endif
}

QByteArray encode(const QString& name)
{
    if (isQtSpellable(name))
        return QFile::encodeName(name);
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype index = 0; index < name.size(); ++index) {
        if (!isEscape(name, index))
            continue;
        bytes += QFile::encodeName(name.mid(runStart, index - runStart));
        bytes += static_cast<char>(name.at(index).unicode() - firstEscape + 0x80);
        runStart = index + 1;
    }
    bytes += QFile::encodeName(name.mid(runStart));
    return bytes;
}

bool isQtSpellable(const QString& name)
{
    for (qsizetype index = 0; index < name.size(); ++index) {
        if (isEscape(name, index))
            return false;
    }
    return true;
}

std::filesystem::path path(const QString& name)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(name.toStdWString());
#else
    return std::filesystem::path(encode(name).toStdString());
#endif
}

} // namespace NativeFileName
