#pragma once

class QDBusConnection;
class QString;

// Shows the text in the desktop's notifications through the
// org.freedesktop.Notifications service on the bus. Nothing waits for the
// answer: without a bus nothing is sent, and without the service the bus's
// error answer is dropped.
void sendDesktopNotification(const QDBusConnection& bus, const QString& summary);
