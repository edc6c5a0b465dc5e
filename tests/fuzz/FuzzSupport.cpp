#include "FuzzSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace FuzzSupport {

QByteArray bytesOf(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

QString scratchPath(const QString& name)
{
    static const QTemporaryDir folder;
    if (!folder.isValid())
        fail(QStringLiteral("no temporary folder"));
    return folder.filePath(name);
}

void writeScratch(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write %1").arg(path));
}

Arguments splitArguments(const QByteArray& input, int count)
{
    Arguments arguments;
    qsizetype start = 0;
    for (int i = 0; i < count; ++i) {
        qsizetype end = input.indexOf('\n', start);
        if (end < 0)
            end = input.size();
        arguments.lines.append(QString::fromUtf8(input.mid(start, end - start)));
        start = qMin(end + 1, input.size());
    }
    arguments.body = input.mid(start);
    return arguments;
}

void fail(const QString& what)
{
    std::fprintf(stderr, "property broken: %s\n", what.toUtf8().constData());
    std::abort();
}

} // namespace FuzzSupport
