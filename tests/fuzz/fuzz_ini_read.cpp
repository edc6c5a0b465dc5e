// Reads a file of any bytes as an INI document: the section names, each
// section's text and each key of it. The key and section reads must agree:
// the first key line of the first section reads as the value that line holds.
#include "FuzzSupport.h"

#include "base/IniDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = FuzzSupport::scratchPath(QStringLiteral("read.ini"));
    FuzzSupport::writeScratch(path, FuzzSupport::bytesOf(data, size));

    IniDocument document;
    document.load(path);
    const QStringList names = document.sectionNames();
    for (const QString& name : names.mid(0, 8)) {
        const QString text = document.sectionText(name).value_or(QString());
        for (const QString& line : text.split(QStringLiteral("\r\n")).mid(0, 8))
            document.value(name, line.section(u'=', 0, 0));
    }
    if (names.isEmpty() || !isValidIniName(names.first()))
        return 0;

    const QStringList lines = document.sectionText(names.first()).value_or(QString()).split(QStringLiteral("\r\n"));
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString key = line.left(equals);
        if (!isValidIniName(key))
            break;
        const QString value = document.value(names.first(), key).value_or(QStringLiteral("\n"));
        if (value != line.mid(equals + 1))
            FuzzSupport::fail(QStringLiteral("key %1 of section %2 reads as %3").arg(key, names.first(), value));
        break;
    }
    return 0;
}
