#pragma once

#include "engines/Source.h"

#include <QList>
#include <QString>

#include <optional>
#include <utility>

class IniDocument;

// The sources of settings.ini in the order a scan asks them, its columns
// run and the Options dialog lists them: the six built-in engines in their
// fixed order (their templates from [Engines], their markers from [Markers],
// hidden by "<key>=1" in [Hidden]), then the user's sources, one section
// "[Source <name>]" each, in file order:
//
//   [Source Referring Domains]
//   Query=https://api.example.net/v1/links?domain={site}
//   Site=domain
//   Header1=X-Api-Key: 0123456789
//   Json=data.refDomains
//   Total=1
//   Interval=1000
//   UserAgent=Mozilla/5.0 (X11; Linux x86_64)
//
// Interval= is the least time in milliseconds between two of the source's
// queries (none when absent); a built-in engine's is "<key>=" in [Pacing].
// UserAgent= replaces the user agent of the network settings for the source.
//
// The keys of a user source are read and written through one table in
// SourceList.cpp; a key is added there. A user source that cannot be asked
// (a name or address that is not valid, no count rule, one source too many)
// stays in the list with the reason, for the user to see, and is skipped by
// scans. A file without such sections and without [Hidden] gives the six
// engines exactly as before.
class SourceList
{
public:
    static constexpr int maxUserSources = 20;
    static constexpr int maxNameLength = 40;

    // What a missing or unreadable file gives: the six engines with empty
    // templates, as the scan has always read them then.
    SourceList();

    static SourceList read(const QString& iniPath);
    static SourceList fromDocument(const IniDocument& document);

    const QList<Source>& all() const { return m_sources; }
    // The sources a scan asks, in order.
    QList<Source> active() const;
    // The user sources a scan skips, with their reasons.
    QList<Source> invalid() const;
    // The source kept under this settings key (letter case ignored), or null.
    const Source* find(const QString& settingsKey) const;
    int userSourceCount() const;

    // Why a user source may not have this name, given the list's other
    // sources (the one under `ownKey` left out); empty when it may.
    QString nameProblem(const QString& name, const QString& ownKey = {}) const;

    // The sections of settings.ini that hide the built-in engines and set
    // their intervals.
    static QString hiddenSection();
    static QString pacingSection();
    // A least interval as Interval= holds it: whole milliseconds from 0 to
    // a day, empty being 0; nothing when the text is none of these.
    static std::optional<int> intervalOf(const QString& text);

    // The section of settings.ini that holds the user source of this name.
    static QString sectionOf(const QString& name);
    // Why a user source cannot be asked, its name aside; empty when it can.
    static QString problemOf(const Source& source);
    // The key lines a user source is written as, in the table's order and
    // then its headers ("Header1", ...); keys without a value are left out.
    static QList<std::pair<QString, QString>> settingsOf(const Source& source);
    // Whether settingsOf() may write this key, so that an edit deletes it
    // when the source no longer has it.
    static bool isSourceKey(const QString& key);

    // The headers of lines "Name: value" as the user edits them (empty
    // lines skipped). A line shown masked (maskedHeader) keeps the value of
    // the header of that name among `previous`, so values are never shown
    // to be edited. Nothing, with the problem, when a line is no header.
    static std::optional<QList<SourceHeader>> headersFromLines(const QStringList& lines,
                                                               const QList<SourceHeader>& previous, QString* problem);

private:
    QList<Source> m_sources;
};
