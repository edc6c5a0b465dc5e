#include "help/HelpWindow.h"

#include "base/AppContext.h"
#include "base/FileChecks.h"
#include "base/UserSettings.h"
#include "base/WindowPlacement.h"
#include "help/HelpText.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QPromise>
#include <QTextCursor>
#include <QTextEdit>
#include <QThreadPool>
#include <QVBoxLayout>

namespace {

constexpr QSize windowSize(686, 528);
constexpr int stripHeight = 27;
// The size the help file's body text is written in. Where the desktop's text
// is larger, the whole help text is enlarged so that its body matches it.
constexpr double helpBodyPointSize = 10;

} // namespace

HelpWindow* HelpWindow::open(AppContext& context)
{
    const QString helpFile = existingFilePath(context.folder.helpFile());
    if (helpFile.isEmpty())
        return nullptr;

    auto* window = new HelpWindow(context.settings);
    window->startLoading(helpFile);
    setOnTop(window, true);
    window->showStoredStartupChoice();
    // The text scrolls, so the window may be smaller on a small screen.
    window->setFixedSize(windowSize.boundedTo(roomOnScreen(window)).expandedTo(window->minimumSizeHint()));
    centreOnScreen(window);
    window->show();
    return window;
}

HelpWindow::HelpWindow(UserSettings& settings)
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(tr("Readme/Help"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/quorvex.svg")));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(windowSize);

    m_text = new QTextEdit(this);
    m_text->setObjectName(QStringLiteral("rtf1"));
    m_text->setAccessibleName(tr("Help text"));
    m_text->setReadOnly(true);
    // Nothing is edited: an undo history would only keep a second copy.
    m_text->setUndoRedoEnabled(false);
    m_text->document()->setDocumentMargin(10);

    m_showAtStartup = new QCheckBox(tr("Show at &Startup"), this);
    m_showAtStartup->setObjectName(QStringLiteral("Check1"));
    m_showAtStartup->setChecked(true);

    auto* strip = new QWidget(this);
    // The design's height, taller when large text needs it.
    strip->setMinimumHeight(stripHeight);
    strip->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(8, 0, 8, 0);
    stripLayout->addWidget(m_showAtStartup);
    stripLayout->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_text, 1);
    layout->addWidget(strip);

    // Setting the box from the stored value runs this too and writes back
    // what was read; that is harmless and keeps one path for every change.
    connect(m_showAtStartup, &QCheckBox::toggled, this, &HelpWindow::storeStartupChoice);

    connect(&m_reading, &QFutureWatcher<std::optional<FormattedText>>::finished, this, &HelpWindow::textRead);
    m_pieceTimer.setInterval(0);
    connect(&m_pieceTimer, &QTimer::timeout, this, &HelpWindow::showNextPiece);
}

void HelpWindow::startLoading(const QString& path)
{
    m_loading = true;
    // The promise is shared, as the thread pool takes only copyable tasks.
    // The pool finishes the reading even when this window is gone by then;
    // the application waits for its tasks before it ends.
    auto promise = std::make_shared<QPromise<std::optional<FormattedText>>>();
    m_reading.setFuture(promise->future());
    QThreadPool::globalInstance()->start([promise, path] {
        promise->start();
        promise->addResult(HelpText::read(path));
        promise->finish();
    });
}

void HelpWindow::textRead()
{
    // A file that cannot be read or is not RTF leaves the box empty; the
    // window is open all the same.
    std::optional<FormattedText> text = m_reading.future().resultCount() > 0 ? m_reading.result() : std::nullopt;
    if (!text || text->isEmpty()) {
        m_loading = false;
        emit helpTextShown();
        return;
    }
    if (const double desktopPointSize = m_text->font().pointSizeF(); desktopPointSize > helpBodyPointSize)
        text->scale(desktopPointSize / helpBodyPointSize);
    m_appender = std::make_unique<RichTextAppender>(*m_text->document(), *text,
                                                    m_text->palette().color(QPalette::Active, QPalette::Base));
    m_pieceTimer.start();
}

void HelpWindow::showNextPiece()
{
    const bool first = m_text->document()->isEmpty();
    const bool more = m_appender->appendPiece();
    if (first)
        m_text->moveCursor(QTextCursor::Start);
    if (more)
        return;
    m_pieceTimer.stop();
    m_appender.reset();
    m_loading = false;
    emit helpTextShown();
}

void HelpWindow::showStoredStartupChoice()
{
    // Anything but a stored 0 or 1 keeps the box's design state.
    if (const std::optional<bool> show = m_settings.showHelpChoice())
        m_showAtStartup->setChecked(*show);
}

void HelpWindow::storeStartupChoice(bool checked)
{
    m_settings.setShowHelpAtStart(checked);
}
