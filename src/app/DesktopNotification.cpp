#include "app/DesktopNotification.h"

#include "Branding.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <QStringList>
#include <QVariantMap>

void sendDesktopNotification(const QDBusConnection& bus, const QString& summary)
{
    if (!bus.isConnected())
        return;
    const QString service = QStringLiteral("org.freedesktop.Notifications");
    QDBusMessage notify = QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/Notifications"),
                                                         service, QStringLiteral("Notify"));
    const QString desktopId = QString::fromLatin1(Branding::desktopId);
    // The desktop entry lets the desktop show the program's name and icon
    // and take the user to its window.
    const QVariantMap hints{{QStringLiteral("desktop-entry"), desktopId}};
    const uint replacesNone = 0;
    const int serverDefaultTimeout = -1;
    notify << QString::fromLatin1(Branding::productName) << replacesNone << desktopId << summary << QString()
           << QStringList() << hints << serverDefaultTimeout;
    bus.send(notify);
}
