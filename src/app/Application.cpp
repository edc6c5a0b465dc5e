#include "app/Application.h"

#include "Branding.h"
#include "app/AccessibleComboBox.h"
#include "app/CommandLine.h"
#include "app/DialogPrompts.h"
#include "app/MainWindow.h"
#include "app/ProgramFont.h"
#include "app/ProgramTranslations.h"
#include "app/SplashWindow.h"
#include "base/AppContext.h"
#include "base/ApplicationFolder.h"
#include "base/Clock.h"
#include "base/NativeFileName.h"
#include "base/UserSettings.h"
#include "scan/CommandLineScan.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QTextStream>

#include <cstdio>
#include <memory>

#if defined(Q_OS_LINUX)
#include <unistd.h>
#endif

namespace {

// Follows every command-line mistake, with or without a window.
constexpr char usageHint[] = "\nTry \"quorvex --help\".\n";

// What the embedded browser engine needs before the application object
// exists. The engine itself starts only when the Website View is first shown.
void prepareBrowserEngine()
{
    // The engine shares its OpenGL contexts with the widgets' windows.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#if defined(Q_OS_LINUX)
    // The engine refuses to start its sandbox as root; run that way, the
    // program runs the engine without one rather than show no pages.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
}

// The names decide where the per-user settings and data folder are.
void setApplicationNames()
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(Branding::productName));
    QCoreApplication::setApplicationName(QString::fromLatin1(Branding::productName));
}

// The arguments from the bytes the system gave, so that a file name that is
// not UTF-8 still names its file (NativeFileName). On Windows the
// application object has them from the UTF-16 command line.
QStringList programArguments(int argc, char* argv[])
{
#ifdef Q_OS_WIN
    if (QCoreApplication::instance())
        return QCoreApplication::arguments();
#endif
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << NativeFileName::decode(QByteArray(argv[i]));
    return arguments;
}

// --help, --version, --scan and --index-webgraph: no display is needed, so no window system is
// asked for one; a scan run by a timer has none.
int runWithoutWindow(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    setApplicationNames();
    QFile standardOutput;
    standardOutput.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    QTextStream output(&standardOutput);
    QFile standardError;
    standardError.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    QTextStream messages(&standardError);

    const CommandLine line = CommandLine::parse(programArguments(argc, argv));
    switch (line.mode) {
    case CommandLine::Mode::Help:
    case CommandLine::Mode::Version:
        output << line.text << (line.text.endsWith(u'\n') ? "" : "\n");
        return 0;
    case CommandLine::Mode::Scan: {
        const std::unique_ptr<UserSettings> settings = UserSettings::openUserStore();
        SystemClock clock;
        return CommandLineScan(ApplicationFolder::locate(), *settings, clock).run(line.scan, standardOutput, messages);
    }
    case CommandLine::Mode::ListSources: {
        const std::unique_ptr<UserSettings> settings = UserSettings::openUserStore();
        SystemClock clock;
        return CommandLineScan(ApplicationFolder::locate(), *settings, clock).listSources(output, messages);
    }
    case CommandLine::Mode::IndexWebGraph:
        return WebGraphIndexCommand::run(line.indexWebGraph, messages);
    case CommandLine::Mode::Window:
    case CommandLine::Mode::Error:
        break;
    }
    messages << line.text << usageHint;
    return CommandLineScan::BadUsage;
}

} // namespace

int runQuorvex(int argc, char* argv[])
{
    if (CommandLine::needsNoWindow(programArguments(argc, argv)))
        return runWithoutWindow(argc, argv);

    prepareBrowserEngine();
    QApplication application(argc, argv);
    setApplicationNames();
    QApplication::setDesktopFileName(QString::fromLatin1(Branding::desktopId));
    // The window's application object has taken its own options out of
    // argc and argv.
    const CommandLine line = CommandLine::parse(programArguments(argc, argv));
    if (line.mode != CommandLine::Mode::Window) {
        QTextStream(stderr) << line.text << usageHint;
        return CommandLineScan::BadUsage;
    }
    const ProgramTranslations translations(QLocale::system());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quorvex.svg")));
    QApplication::setFont(programFont(QApplication::font(), QFontDatabase::families()));
    installAccessibleComboBoxes();

    const std::unique_ptr<UserSettings> settings = UserSettings::openUserStore();
    DialogPrompts prompts;
    SystemClock clock;
    AppContext context{ApplicationFolder::locate(), *settings, prompts, clock};

    // The splash stays up while its timer runs; on its last tick the main
    // window is built and shown, and the splash hides.
    SplashWindow splash;
    std::unique_ptr<MainWindow> window;
    QObject::connect(&splash, &SplashWindow::finished, [&] {
        window = std::make_unique<MainWindow>(context, makeWebEngineBrowser);
        prompts.setFallbackParent(window.get());
        window->show();
        if (!line.listFile.isEmpty())
            window->loadUrlListFile(line.listFile);
    });
    splash.start();
    return QApplication::exec();
}
