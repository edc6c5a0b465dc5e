#include "app/Application.h"

#include "Branding.h"
#include "app/AppContext.h"
#include "app/ApplicationFolder.h"
#include "app/Clock.h"
#include "app/DialogPrompts.h"
#include "app/MainWindow.h"
#include "app/ProgramFont.h"
#include "app/SplashWindow.h"
#include "scan/UserSettings.h"

#include <QApplication>

#include <memory>

#if defined(Q_OS_LINUX)
#include <unistd.h>
#endif

namespace {

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

} // namespace

int runQuorvex(int argc, char* argv[])
{
    prepareBrowserEngine();
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(Branding::productName));
    QApplication::setApplicationName(QString::fromLatin1(Branding::productName));
    QApplication::setDesktopFileName(QString::fromLatin1(Branding::desktopId));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quorvex.svg")));
    QApplication::setFont(programFont());

    const std::unique_ptr<UserSettings> settings = UserSettings::openUserStore();
    DialogPrompts prompts;
    SystemClock clock;
    AppContext context{ApplicationFolder::locate(), *settings, prompts, clock};

    // The splash stays up while its timer runs; on its last tick the main
    // window is built and shown, and the splash hides.
    SplashWindow splash;
    std::unique_ptr<MainWindow> window;
    QObject::connect(&splash, &SplashWindow::finished, [&] {
        window = std::make_unique<MainWindow>(context);
        prompts.setFallbackParent(window.get());
        window->show();
    });
    splash.start();
    return QApplication::exec();
}
