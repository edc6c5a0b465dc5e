#include "scan/CommandLineScan.h"

#include "base/Clock.h"
#include "base/FileChecks.h"
#include "base/UserSettings.h"
#include "engines/EngineSettingsFile.h"
#include "engines/SourceList.h"
#include "lists/UrlListFile.h"
#include "results/ResultsCsv.h"
#include "results/ScanResults.h"
#include "saved/SaveData.h"
#include "saved/SavedSearches.h"
#include "scan/PageFetcher.h"
#include "scan/ScanDriver.h"

#include <QDir>
#include <QEventLoop>
#include <QHash>
#include <QIODevice>
#include <QTextStream>

#include <algorithm>

namespace {

void reportInvalid(const SourceList& sources, QTextStream& messages)
{
    for (const Source& source : sources.invalid())
        messages << QStringLiteral("[%1] is skipped: %2").arg(source.settingsKey, source.invalidReason) << Qt::endl;
}

// What the CSV file would replace that it must not: the list being scanned,
// or a file the program keeps; the empty text when it is none of them.
QString protectedFileAt(const QString& csvFile, const QString& listFile, const ApplicationFolder& folder)
{
    if (leadToSameFile(csvFile, listFile))
        return QStringLiteral("the URL list file of the scan");
    for (const QString& name : {QStringLiteral("settings.ini"), QStringLiteral("Help.rtf"),
                                QStringLiteral("session-urls.txt"), QStringLiteral("last-results.json")}) {
        if (leadToSameFile(csvFile, folder.filePath(name)))
            return QStringLiteral("the program's file %1").arg(name);
    }
    if (leadsIntoFolder(csvFile, folder.savedFolder()))
        return QStringLiteral("a file of the saved searches folder");
    if (leadsIntoFolder(csvFile, folder.listsFolder()))
        return QStringLiteral("a file of the URL lists folder");
    return {};
}

} // namespace

CommandLineScan::CommandLineScan(const ApplicationFolder& folder, const UserSettings& settings, const Clock& clock)
    : m_folder(folder)
    , m_settings(settings)
    , m_clock(clock)
{}

int CommandLineScan::run(const Options& options, QIODevice& standardOutput, QTextStream& messages) const
{
    const QString listName = QDir::toNativeSeparators(options.listFile);
    QStringList sites;
    QString reason;
    if (!UrlListFile::read(options.listFile, sites, reason)) {
        messages << UrlListFile::readFailure(options.listFile, reason) << Qt::endl;
        return BadUsage;
    }
    if (sites.isEmpty()) {
        messages << QStringLiteral("The URL list file \"%1\" holds no URL.").arg(listName) << Qt::endl;
        return BadUsage;
    }

    if (!options.csvFile.isEmpty() && options.csvFile != QLatin1String("-")) {
        const QString kept = protectedFileAt(options.csvFile, options.listFile, m_folder);
        if (!kept.isEmpty()) {
            messages << QStringLiteral("The CSV file \"%1\" would replace %2; name another file.")
                            .arg(QDir::toNativeSeparators(options.csvFile), kept)
                     << Qt::endl;
            return BadUsage;
        }
    }

    // The window asks to write the default addresses; a scheduled scan has
    // nobody to ask, and with no addresses it would count nothing.
    const EngineSettingsFile::State engineFile = EngineSettingsFile::check(m_folder.settingsIni(), &reason);
    if (engineFile != EngineSettingsFile::State::Usable) {
        messages << EngineSettingsFile::problem(engineFile, m_folder.settingsIni(), reason) << Qt::endl;
        return BadUsage;
    }

    const SourceList sourceList = SourceList::read(m_folder.settingsIni());
    reportInvalid(sourceList, messages);
    const qsizetype sourceCount = sourceList.active().size();
    if (sourceCount == 0) {
        messages << QStringLiteral("The settings file \"%1\" leaves no source to ask: every engine is hidden.")
                        .arg(QDir::toNativeSeparators(m_folder.settingsIni()))
                 << Qt::endl;
        return BadUsage;
    }

    ScanResults results;
    PageFetcher fetcher;
    fetcher.setNetworkSettings(m_settings.networkSettings());
    ScanDriver driver(&fetcher, ScanDriver::settingsOf(m_folder.settingsIni()), &results);
    const SavedSearches searches(m_folder.savedFolder());
    const QString siteCount = QString::number(sites.size());
    bool allWritten = true;
    // Saved searches written by this scan, and the site whose counts each
    // holds.
    QHash<QString, QString> savedSites;
    QObject::connect(&driver, &ScanDriver::siteFinished, [&](int index, const QString& site, qint64) {
        // The driver puts each site's row at its index of the list.
        const ResultRow& row = results.row(index);
        if (!options.quiet)
            messages << u'[' << index + 1 << u'/' << siteCount << QStringLiteral("] ") << site
                     << QStringLiteral(" ... ")
                     << (row.total ? QString::number(*row.total) : QStringLiteral("no count")) << Qt::endl;
        if (!options.saveEach)
            return;
        const QString name = SavedSearches::nameForSite(site);
        const QString path = searches.filePath(name);
        // Empty counts would enter the date with nothing, or start the
        // saved search anew with nothing in it.
        if (!row.total) {
            messages << QStringLiteral("Nothing of %1 was saved into the saved search \"%2\": no query gave a count.")
                            .arg(site, name)
                     << Qt::endl;
            return;
        }
        if (savedSites.contains(path))
            messages << QStringLiteral("%1 and %2 are both saved into the saved search \"%3\": the counts of %2 "
                                       "replace those of %1.")
                            .arg(savedSites.value(path), site, name)
                     << Qt::endl;
        savedSites.insert(path, site);
        QString error;
        if (!searches.addCounts(name, SaveData::countsOf(results.sourceColumns(), row), m_clock.today(), &error)) {
            messages << QStringLiteral("The counts of %1 could not be saved into \"%2\": %3")
                            .arg(site, QDir::toNativeSeparators(path), error)
                     << Qt::endl;
            allWritten = false;
        }
    });
    QEventLoop loop;
    QObject::connect(&driver, &ScanDriver::finished, &loop, &QEventLoop::quit);
    driver.start(sites, m_settings.rankThresholds(),
                 options.parallelEngines ? ScanDriver::EngineOrder::AllAtOnce : ScanDriver::EngineOrder::OneAtATime);
    loop.exec();

    if (options.csvFile == QLatin1String("-")) {
        const QByteArray csv = ResultsCsv::encode(results.sourceColumns(), results.rows());
        if (standardOutput.write(csv) != csv.size()) {
            messages << QStringLiteral("The results could not be written to the standard output.") << Qt::endl;
            allWritten = false;
        }
    } else if (!options.csvFile.isEmpty()) {
        QString error;
        if (!ResultsCsv::write(options.csvFile, results.sourceColumns(), results.rows(), &error)) {
            messages << QStringLiteral("The results could not be written to \"%1\": %2")
                            .arg(QDir::toNativeSeparators(options.csvFile), error)
                     << Qt::endl;
            allWritten = false;
        }
    }

    qsizetype failed = 0;
    for (const ResultRow& row : results.rows())
        failed += std::count_if(row.engines.cbegin(), row.engines.cend(),
                                [](const EngineCell& cell) { return cell.outcome.kind == QueryOutcome::Kind::Failed; });
    if (failed > 0) {
        messages << QStringLiteral("%1 of %2 queries got no page.").arg(failed).arg(sites.size() * sourceCount)
                 << Qt::endl;
    }
    if (!allWritten)
        return NotWritten;
    return failed > 0 ? SomeQueriesFailed : AllAnswered;
}

int CommandLineScan::listSources(QTextStream& output, QTextStream& messages) const
{
    QString reason;
    const EngineSettingsFile::State state = EngineSettingsFile::check(m_folder.settingsIni(), &reason);
    if (state == EngineSettingsFile::State::Missing || state == EngineSettingsFile::State::Unreadable) {
        messages << EngineSettingsFile::problem(state, m_folder.settingsIni(), reason) << Qt::endl;
        return BadUsage;
    }
    const SourceList sources = SourceList::read(m_folder.settingsIni());
    for (const Source& source : sources.active()) {
        output << QStringList{source.name, kindName(source.kind), source.queryTemplate,
                              source.maskedHeaders().join(QStringLiteral("; ")),
                              source.countsTowardTotal ? QStringLiteral("counts toward the total")
                                                       : QStringLiteral("not in the total")}
                      .join(u'\t')
               << Qt::endl;
    }
    reportInvalid(sources, messages);
    return AllAnswered;
}
