#include "base/IniDocument.h"

#include "base/IniFileAccess.h"
#include "base/LocalFile.h"

namespace {

bool isHeader(const QString& line)
{
    return line.startsWith(u'[');
}

QString headerPrefix(const QString& section)
{
    return u'[' + section + u']';
}

QString keyPrefix(const QString& key)
{
    return key + u'=';
}

// The section a header line names: the text up to its first "]". A header
// without "]" names no section.
std::optional<QString> headerName(const QString& line)
{
    const qsizetype close = line.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return line.mid(1, close - 1);
}

QString trimSpaces(const QString& line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && line.at(begin) == u' ')
        ++begin;
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
        text += trimSpaces(line);
        text += QLatin1String("\r\n");
    }
    return text;
}

bool IniDocument::save(const QString& file, QString* error) const
{
    return LocalFile::writeBytes(file, LocalFile::encode(toText()), error);
}

int IniDocument::findLine(int after, const QString& prefix, bool stopAtHeader) const
{
    for (int i = after + 1; i < m_lines.size(); ++i) {
        const QString& line = m_lines.at(i);
        if (line.isEmpty())
            continue;
        if (stopAtHeader && isHeader(line))
            return -1;
        if (IniFileAccess::startsWithName(line, prefix))
            return i;
    }
    return -1;
}

int IniDocument::findHeader(const QString& section) const
{
    return findLine(-1, headerPrefix(section), false);
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
    const int line = findLine(header, keyPrefix(key), true);
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
        if (!isHeader(line))
            continue;
        if (const std::optional<QString> name = headerName(line))
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
            const std::optional<QString> name = headerName(line);
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
    const QString line = keyPrefix(key) + value;
    const int header = findHeader(section);
    if (header < 0) {
        m_lines.append(QString());
        m_lines.append(headerPrefix(section));
        m_lines.append(line);
        return true;
    }
    const int existing = findLine(header, keyPrefix(key), true);
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
        m_lines.append(headerPrefix(section));
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
