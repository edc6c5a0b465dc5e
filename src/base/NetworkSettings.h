#pragma once

#include <QString>

// How queries reach the network: through which proxy, and as which user
// agent. Kept in the per-user settings; the window and the command line
// read the same values.
struct NetworkSettings
{
    enum class ProxyChoice {
        System, // the desktop's or the environment's (http_proxy, https_proxy, no_proxy); direct where none is set
        None,   // always a direct connection
        Manual, // the proxy named here
    };

    ProxyChoice proxy = ProxyChoice::System;
    QString proxyHost;
    quint16 proxyPort = 0;
    QString proxyUser;
    QString proxyPassword;
    QString userAgent = QStringLiteral("Mozilla");

    bool operator==(const NetworkSettings&) const = default;
};
