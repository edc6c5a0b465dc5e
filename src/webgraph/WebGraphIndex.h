#pragma once

#include "webgraph/WebGraphFormat.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <QStringView>

#include <optional>

// What the web graph knows of one name.
struct WebGraphEntry
{
    quint64 inDegree = 0;                    // referring domains (or hosts) counted from the edges
    std::optional<quint64> harmonicPosition; // 1 for the most central; none when the ranks did not list it
};

// An index built by WebGraphIndexBuilder, opened by mapping the file into
// memory: opening reads the header and a few numbers, and a lookup reads
// only the pages it needs. Every read is bounded by the file's own sizes,
// so a damaged file gives wrong answers at worst, never a crash. Lookups
// may run from several threads at once.
class WebGraphIndex
{
public:
    WebGraphIndex() = default;
    WebGraphIndex(const WebGraphIndex&) = delete;
    WebGraphIndex& operator=(const WebGraphIndex&) = delete;

    // False with errorString() for a missing, unreadable, older, newer or
    // damaged index.
    bool open(const QString& path);
    bool isOpen() const { return m_data != nullptr; }
    // Why open() failed, fit to stand as the reason of a failed query:
    // "no web-graph index at /path/x.qvg", ...
    QString errorString() const { return m_error; }

    WebGraphFormat::Level level() const { return m_header.level; }
    // The release named by the input files, such as "cc-main-2024-feb-apr-may".
    QString release() const { return QString::fromLatin1(m_header.release); }
    quint64 vertexCount() const { return m_header.vertexCount; }
    quint64 edgeCount() const { return m_header.edgeCount; }
    bool hasRanks() const { return m_header.hasRanks; }

    // The entry of a reversed name ("uk.co.example"), compared byte for
    // byte; none when the graph does not hold it.
    std::optional<WebGraphEntry> find(QByteArrayView reversedName) const;

private:
    QByteArrayView nameOf(quint64 id) const;
    quint64 inDegreeOf(quint64 id) const;
    quint64 u64At(quint64 offset) const { return WebGraphFormat::readU64(m_data + offset); }

    QFile m_file;
    const uchar* m_data = nullptr;
    WebGraphFormat::Header m_header;
    WebGraphFormat::Layout m_layout;
    QString m_error;
};

// A host name in ASCII form with its labels in reverse order, lower case:
// "www.Example.co.uk" gives "uk.co.example.www". A final dot is dropped. A
// name with other than ASCII letters, digits, '-', '_' and dots, or with an
// empty label, gives an empty text, which no index holds.
QByteArray reversedHostName(QStringView asciiHost);
