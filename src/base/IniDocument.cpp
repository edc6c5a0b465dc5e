#include "base/IniDocument.h"

#include "base/IniFileAccess.h"
#include "base/LocalFile.h"

namespace {

using IniFileAccess::headerLine;
using IniFileAccess::isHeader;

// A line as a save writes it: trimmed of leading and trailing spaces, except
// a line that begins with a space and holds more than spaces. To the reader
// its leading spaces belong to its key (" [T]" is no header, "  k=1" is not
// key k), so trimming would move or shadow keys; it is kept as it stands.
// The program never writes such a line.
QString savedForm(const QString& line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && line.at(begin) == u' ')
        ++begin;
    if (begin > 0 && begin < end)
        return line;
    while (end > begin && line.at(end - 1) == u' ')
        --end;
    return line.mid(begin, end - begin);
}

} // namespace

bool isValidIniName(const QString& name)
{
    return !name.contains(u'[') && !name.contains(u']') && !name.contains(u'=');
}

IniDocument IniDocument::fromText(const QString& text)
{
    IniDocument document;
    const QStringList lines = IniFileAccess::splitLines(text);
    for (const QString& line : lines) {
        if (line.isEmpty())
            continue;
        if (isHeader(line))
            document.m_lines.append(QString());
        document.m_lines.append(line);
    }
    return document;
}

IniDocument::LoadStatus IniDocument::load(const QString& file, QString* error)
{
    m_lines.clear();
    QByteArray bytes;
    switch (LocalFile::readBytes(file, bytes, error)) {
    case LocalFile::ReadStatus::Missing:
        return LoadStatus::Missing;
    case LocalFile::ReadStatus::Failed:
        return LoadStatus::Failed;
    case LocalFile::ReadStatus::Read:
        break;
    }
    *this = fromText(LocalFile::decode(bytes));
    return LoadStatus::Loaded;
}

QString IniDocument::toText() const
{
    QString text;
    for (const QString& line : m_lines) {
        text += savedForm(line);
        text += QLatin1String("\r\n");
    }
    return text;
}

bool IniDocument::save(const QString& file, QString* error) const
{
    return LocalFile::writeBytes(file, LocalFile::encodeFile(toText()), error);
}

int IniDocument::findHeader(const QString& section) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        if (IniFileAccess::isHeaderOf(m_lines.at(i), section))
            return i;
    }
    return -1;
}

int IniDocument::findKey(int header, const QString& key) const
{
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        if (IniFileAccess::isKeyLineOf(m_lines.at(i), key))
            return i;
    }
    return -1;
}

int IniDocument::sectionEnd(int header) const
{
    for (int i = header + 1; i < m_lines.size(); ++i) {
        if (isHeader(m_lines.at(i)))
            return i;
    }
    return static_cast<int>(m_lines.size());
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const
{
    const int header = findHeader(section);
    if (header < 0)
        return std::nullopt;
    const int line = findKey(header, key);
    if (line < 0)
        return std::nullopt;
    const QString& text = m_lines.at(line);
    return text.mid(text.indexOf(u'=') + 1);
}

std::optional<QString> IniDocument::sectionText(const QString& section) const
{
    const int header = findHeader(section);
    if (header < 0)
        return std::nullopt;
    const int end = sectionEnd(header);
    return m_lines.mid(header + 1, end - header - 1).join(QLatin1String("\r\n"));
}

QStringList IniDocument::sectionNames() const
{
    QStringList names;
    for (const QString& line : m_lines) {
        // A header without "]" names no section.
        if (const std::optional<QString> name = IniFileAccess::headerName(line))
            names.append(*name);
    }
    return names;
}

QList<IniDocument::Section> IniDocument::sections() const
{
    QList<Section> sections;
    // Lines under a header that names no section belong to none.
    bool inSection = false;
    for (const QString& line : m_lines) {
        if (isHeader(line)) {
            const std::optional<QString> name = IniFileAccess::headerName(line);
            inSection = name.has_value();
            if (inSection)
                sections.append({*name, {}});
        } else if (inSection && !line.isEmpty()) {
            sections.last().lines.append(line);
        }
    }
    return sections;
}

bool IniDocument::setValue(const QString& section, const QString& key, const QString& value)
{
    if (m_lines.isEmpty())
        return false;
    const QString line = IniFileAccess::keyLine(key, value);
    const int header = findHeader(section);
    if (header < 0) {
        m_lines.append(QString());
        m_lines.append(headerLine(section));
        m_lines.append(line);
        return true;
    }
    const int existing = findKey(header, key);
    if (existing >= 0)
        m_lines[existing] = line;
    else
        m_lines.insert(header + 1, line);
    return true;
}

void IniDocument::clearSection(const QString& section)
{
    const int header = findHeader(section);
    if (header < 0) {
        m_lines.append(QString());
        m_lines.append(headerLine(section));
        return;
    }
    const int end = sectionEnd(header);
    // The empty slot before the next header is not a key line and stays.
    for (int i = end - 1; i > header; --i) {
        if (!m_lines.at(i).isEmpty())
            m_lines.removeAt(i);
    }
}

void IniDocument::normalise()
{
    *this = fromText(toText());
}
