// After any successful write, reading that section and key gives the value
// written (an INI document's save trims spaces off the ends of lines, so a
// value may lose its trailing spaces). The input is the section, the key and
// the value on three lines, then the file as it was before the write. Built
// twice: once for a save of counts (IniDocument, as saved searches are
// written), once (QUORVEX_PROFILE_WRITE) for writeProfileString.
#include "FuzzSupport.h"

#include "base/IniFile.h"
#include "base/IniFileAccess.h"

#ifndef QUORVEX_PROFILE_WRITE
namespace {

QString withoutTrailingSpaces(QString text)
{
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

} // namespace
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const FuzzSupport::Arguments input = FuzzSupport::splitArguments(FuzzSupport::bytesOf(data, size), 3);
    const QString& section = input.lines.at(0);
    const QString& key = input.lines.at(1);
    const QString& value = input.lines.at(2);
    const QString path = FuzzSupport::scratchPath(QStringLiteral("write.ini"));
    FuzzSupport::writeScratch(path, input.body);

#ifdef QUORVEX_PROFILE_WRITE
    if (!writeProfileString(section, key, value, path))
        return 0;
    const QString expected = value;
#else
    IniDocument written;
    if (!IniFileAccess::checkWriteArguments(section, key, value, nullptr) ||
        written.load(path) != IniDocument::LoadStatus::Loaded || !written.setValue(section, key, value) ||
        !written.save(path))
        return 0;
    const QString expected = withoutTrailingSpaces(value);
#endif
    IniDocument document;
    document.load(path);
    const QString read = document.value(section, key).value_or(QStringLiteral("\n"));
    if (read != value && read != expected)
        FuzzSupport::fail(QStringLiteral("[%1] %2 written as \"%3\" reads as \"%4\"").arg(section, key, value, read));
    return 0;
}
