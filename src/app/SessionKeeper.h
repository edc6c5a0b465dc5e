#pragma once

#include "results/KeptSession.h"

#include <QObject>
#include <QThreadPool>

struct AppContext;
class MainStatusBar;
class ResultsSortProxy;
class ScanResults;
class UrlListCommands;
class WebResultsList;

// Keeps the URL list and the results of the last completed scan between
// sessions (KeptSession) while the user setting "Keep the URL list between
// sessions" is on: the list is written once control returns to the event
// loop after any change of it, and again when the window closes; the
// results after every completed scan, in the order the table shows them, on a thread of their own so that a
// large table never holds up the window (the writes keep their order, and
// the keeper waits for the last one when it goes). With the setting off
// nothing is kept and the kept files go.
class SessionKeeper : public QObject
{
    Q_OBJECT

public:
    // The results are those the table shows.
    SessionKeeper(UrlListCommands* urlList, ResultsSortProxy* shownResults, AppContext& context,
                  QObject* parent = nullptr);
    ~SessionKeeper() override;

    // Puts the kept list into the URL list and the kept results into the
    // results, with their web-results rows; the status bar says when the
    // results are from. A kept file that cannot be read is named in a
    // message; a kept list that cannot be read is left as it is for the
    // rest of the session, never written over. Does nothing with the
    // setting off.
    void restore(WebResultsList* webRows, MainStatusBar* statusBar);

    // Writes the list now (or, with the setting off, forgets the session).
    void keepList();
    // Writes the results as they are now, as of now. The file is written
    // soon after; waitForWrites() waits for it.
    void keepResults();
    void waitForWrites();

private:
    bool isOn() const;
    void listChanged();
    void reportFailure(const QString& text);

    UrlListCommands* m_urlList;
    ResultsSortProxy* m_shownResults;
    ScanResults* m_results;
    AppContext& m_context;
    KeptSession m_session;
    bool m_listWritePending = false;
    bool m_failureReported = false;
    bool m_keptListUnreadable = false;
    // One thread, so that a later write never ends before an earlier one.
    QThreadPool m_resultsWriter;
};
