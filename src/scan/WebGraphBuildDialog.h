#pragma once

#include <QObject>
#include <QString>

struct AppContext;
class ApplicationFolder;
class QProgressDialog;
class QWidget;
class WebGraphBuildTask;
struct WebGraphBuildProgress;

// Options' "Build Index...": asks through the prompts for the graph's
// vertices, edges and (optional) ranks files and the index to write, then
// builds it on a worker thread (WebGraphBuildTask) under a progress dialog
// showing the share read, the speed and the time left, whose Cancel stops
// the build and leaves an earlier index as it was. How the build ended is
// shown in a message: what was indexed, or the error naming file and line.
class WebGraphBuildDialog : public QObject
{
    Q_OBJECT

public:
    // The progress dialog is window-modal to `window`.
    // Deleted while a build runs, it cancels the build and waits for its
    // thread (the task is its child).
    WebGraphBuildDialog(AppContext& context, QWidget* window);

    // Asks for the files and starts the build; false when the user chose no
    // vertices, edges or index file. `currentIndex`, when given, is the index
    // the source has now: the new one is offered beside it.
    bool start(const QString& currentIndex = {});
    bool isRunning() const;
    // While a build runs.
    QProgressDialog* progressDialog() const { return m_progress; }

    // Where an index of these graph files goes unless the user says
    // otherwise: the folder WebGraph of the application folder (or the
    // current index's folder), named after the release and level, such as
    // "cc-main-2024-feb-apr-may-domain.qvg".
    static QString defaultIndexPath(const ApplicationFolder& folder, const QString& verticesFile,
                                    const QString& currentIndex = {});

signals:
    // After the build ended and the message was shown: the index file
    // written, or the empty text when none was.
    void finished(const QString& indexFile);

private:
    void progressed(const WebGraphBuildProgress& progress);
    void ended();

    AppContext& m_context;
    QWidget* m_window;
    WebGraphBuildTask* m_task = nullptr; // a child while it runs
    QProgressDialog* m_progress = nullptr;
    QString m_output;
};
