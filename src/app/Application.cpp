#include "app/Application.h"

#include "Branding.h"
#include "app/AppContext.h"
#include "app/ApplicationFolder.h"
#include "app/Clock.h"
#include "app/DialogPrompts.h"
#include "app/MainWindow.h"
#include "app/ProgramFont.h"
#include "scan/UserSettings.h"

#include <QApplication>

int runQuorvex(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setFont(programFont());
    QApplication::setOrganizationName(QString::fromLatin1(Branding::productName));
    QApplication::setApplicationName(QString::fromLatin1(Branding::productName));

    const std::unique_ptr<UserSettings> settings = UserSettings::openUserStore();
    DialogPrompts prompts;
    SystemClock clock;
    AppContext context{ApplicationFolder::locate(), *settings, prompts, clock};

    MainWindow window(context);
    prompts.setFallbackParent(&window);
    window.show();
    return QApplication::exec();
}
