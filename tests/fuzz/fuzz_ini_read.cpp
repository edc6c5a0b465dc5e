// Reads a file of any bytes through every INI read: the section names, each
// section's text and each key of it. The key and section reads must agree:
// the first key line of the first section reads as the value that line holds.
#include "FuzzSupport.h"

#include "base/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = FuzzSupport::scratchPath(QStringLiteral("read.ini"));
    FuzzSupport::writeScratch(path, FuzzSupport::bytesOf(data, size));

    const QString absent = QStringLiteral("\n");
    const QStringList names = iniSectionNames(path);
    for (const QString& name : names.mid(0, 8)) {
        const QString text = readIniSection(name, absent, path);
        for (const QString& line : text.split(QStringLiteral("\r\n")).mid(0, 8))
            readIniKey(name, line.section(u'=', 0, 0), absent, path);
    }
    if (names.isEmpty() || !isValidIniName(names.first()))
        return 0;

    const QStringList lines = readIniSection(names.first(), absent, path).split(QStringLiteral("\r\n"));
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString key = line.left(equals);
        if (!isValidIniName(key))
            break;
        const QString value = readIniKey(names.first(), key, absent, path);
        if (value != line.mid(equals + 1))
            FuzzSupport::fail(QStringLiteral("key %1 of section %2 reads as %3").arg(key, names.first(), value));
        break;
    }
    return 0;
}
