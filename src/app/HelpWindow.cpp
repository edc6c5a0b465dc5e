#include "app/HelpWindow.h"

#include "app/AppContext.h"
#include "app/BrandArtwork.h"
#include "app/FileChecks.h"
#include "app/RichTextDocument.h"
#include "app/RtfReader.h"
#include "app/WindowPlacement.h"
#include "scan/UserSettings.h"

#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

constexpr QSize windowSize(686, 528);
constexpr int stripHeight = 27;

} // namespace

HelpWindow* HelpWindow::open(AppContext& context)
{
    const QString helpFile = existingFilePath(context.folder.helpFile());
    if (helpFile.isEmpty())
        return nullptr;

    auto* window = new HelpWindow(context.settings);
    window->loadHelpFile(helpFile);
    SetOnTop(window, true);
    window->showStoredStartupChoice();
    centreOnScreen(window);
    window->show();
    return window;
}

HelpWindow::HelpWindow(UserSettings& settings)
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Readme/Help"));
    setWindowIcon(QIcon(QString::fromLatin1(BrandArtwork::logoResource)));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(windowSize);

    m_text = new QTextEdit(this);
    m_text->setObjectName(QStringLiteral("rtf1"));
    m_text->setReadOnly(true);
    m_text->document()->setDocumentMargin(10);

    m_showAtStartup = new QCheckBox(QStringLiteral("Show at Startup"), this);
    m_showAtStartup->setObjectName(QStringLiteral("Check1"));
    m_showAtStartup->setChecked(true);

    auto* strip = new QWidget(this);
    strip->setFixedHeight(stripHeight);
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
}

void HelpWindow::loadHelpFile(const QString& path)
{
    // A file that cannot be read or is not RTF leaves the box empty; the
    // window still opens.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const std::optional<FormattedText> text = readRtf(file.readAll());
    if (!text)
        return;
    fillTextDocument(*m_text->document(), *text);
    m_text->moveCursor(QTextCursor::Start);
}

void HelpWindow::showStoredStartupChoice()
{
    bool isNumber = false;
    const int state = m_settings.value(QString::fromLatin1(SettingKey::showHelp)).trimmed().toInt(&isNumber);
    // Only 0 and 1 are states of the box; anything else keeps its design state.
    if (isNumber && (state == 0 || state == 1))
        m_showAtStartup->setChecked(state == 1);
}

void HelpWindow::storeStartupChoice(bool checked)
{
    m_settings.setValue(QString::fromLatin1(SettingKey::showHelp), checked ? QStringLiteral("1") : QStringLiteral("0"));
}
