#include "app/SessionKeeper.h"

#include "app/MainStatusBar.h"
#include "base/AppContext.h"
#include "base/Prompts.h"
#include "base/UserSettings.h"
#include "engines/SourceList.h"
#include "lists/UrlListCommands.h"
#include "results/ResultsSortProxy.h"
#include "results/ScanResults.h"
#include "webview/WebResultsList.h"

#include <QDir>
#include <QLocale>
#include <QTimer>

SessionKeeper::SessionKeeper(UrlListCommands* urlList, ResultsSortProxy* shownResults, AppContext& context,
                             QObject* parent)
    : QObject(parent)
    , m_urlList(urlList)
    , m_shownResults(shownResults)
    , m_results(shownResults->results())
    , m_context(context)
    , m_session(context.folder)
{
    connect(urlList, &UrlListCommands::listChanged, this, &SessionKeeper::listChanged);
    m_resultsWriter.setMaxThreadCount(1);
}

SessionKeeper::~SessionKeeper()
{
    waitForWrites();
}

bool SessionKeeper::isOn() const
{
    return m_context.settings.keepUrlList();
}

void SessionKeeper::restore(WebResultsList* webRows, MainStatusBar* statusBar)
{
    if (!isOn())
        return;
    QStringList problems;
    QString problem;
    m_urlList->appendUrls(m_session.readUrls(&problem));
    if (!problem.isEmpty()) {
        // Written over, the file would be lost for good; the user may still
        // mend it or take its URLs out by other means.
        m_keptListUnreadable = true;
        problems << problem + QStringLiteral("\n\n") +
                        tr("The file is left as it is, and the URL list is not kept during this session.");
    }
    problem.clear();
    const std::optional<KeptSession::Results> kept =
        m_session.readResults(m_context.settings.rankThresholds(), &problem);
    if (!problem.isEmpty())
        problems << problem;
    // Told once the window is up, so that the messages come up above it.
    if (!problems.isEmpty())
        QMetaObject::invokeMethod(
            this,
            [this, problems] {
                for (const QString& text : problems)
                    m_context.prompts.error(text, Prompts::errorCaption());
            },
            Qt::QueuedConnection);
    if (!kept || kept->rows.isEmpty())
        return;
    // The rows come back under the columns they were scanned with; their
    // web pages are those of the sources there are now.
    m_results->setSourceColumns(kept->columns);
    m_results->setRows(kept->rows);
    const QList<Source> sources = SourceList::read(m_context.folder.settingsIni()).active();
    for (const ResultRow& row : kept->rows)
        webRows->addSiteRows(row.site, sources);
    statusBar->setPanelText(1, tr("Results of %1").arg(QLocale().toString(kept->completed, QLocale::ShortFormat)));
}

void SessionKeeper::listChanged()
{
    // A paste or a file load changes the list in one step, but deleting or
    // typing can come in bursts: one write once they are done.
    if (m_listWritePending)
        return;
    m_listWritePending = true;
    QTimer::singleShot(0, this, &SessionKeeper::keepList);
}

void SessionKeeper::keepList()
{
    m_listWritePending = false;
    if (!isOn()) {
        // A results write still under way would bring its file back.
        waitForWrites();
        if (m_keptListUnreadable)
            m_session.forgetResults();
        else
            m_session.forget();
        return;
    }
    if (m_keptListUnreadable)
        return;
    QString reason;
    if (!m_session.writeUrls(m_urlList->urls(), &reason))
        reportFailure(tr("The URL list could not be kept for the next session in \"%1\": %2")
                          .arg(QDir::toNativeSeparators(m_session.urlListPath()), reason));
}

void SessionKeeper::keepResults()
{
    if (!isOn())
        return;
    // The rows are copied as they are now, in the order shown; writing thousands of them and waiting for the disk
    // take longer than the window may stand still.
    m_resultsWriter.start([this, session = m_session,
                           results = KeptSession::Results{QDateTime::currentDateTime(), m_shownResults->rowsAsShown(),
                                                          m_results->sourceColumns()}] {
        QString reason;
        if (session.writeResults(results, &reason))
            return;
        QMetaObject::invokeMethod(
            this,
            [this, reason] {
                reportFailure(tr("The results could not be kept for the next session in \"%1\": %2")
                                  .arg(QDir::toNativeSeparators(m_session.resultsPath()), reason));
            },
            Qt::QueuedConnection);
    });
}

void SessionKeeper::waitForWrites()
{
    m_resultsWriter.waitForDone();
}

// Once per session: the file is written again at every change, and one
// message says enough.
void SessionKeeper::reportFailure(const QString& text)
{
    if (m_failureReported)
        return;
    m_failureReported = true;
    m_context.prompts.error(text, Prompts::errorCaption());
}
