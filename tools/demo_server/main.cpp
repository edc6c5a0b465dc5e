// A stand-in for the six search engines on this machine, for trying Quorvex
// without the network: it answers the engines' query forms with result pages
// in each engine's own format, with counts made up from the site, after a
// short pause so that a scan can be watched as it goes.
//
//   quorvex_demo_server --settings <folder>/settings.ini [--delay <ms>] [--verbose]
//
// It listens on a free port of 127.0.0.1 and writes a settings.ini that points
// every engine there. It runs until it is ended.

#include "engines/EngineTable.h"
#include "loopback/EnginePages.h"
#include "loopback/LoopbackHttpServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSaveFile>
#include <QTextStream>

namespace {

// The pause before an answer varies a little around the given one, as a
// real engine's would.
int answerDelay(const QString& site, int engineNumber, int baseDelayMs)
{
    if (baseDelayMs <= 0)
        return 0;
    const qint64 spread = qAbs(EnginePages::demoCount(site + QStringLiteral("#delay"), engineNumber));
    return baseDelayMs / 2 + static_cast<int>(spread % baseDelayMs);
}

QByteArray indexPage(quint16 port)
{
    QByteArray page = "<html><head><title>Engine stand-in</title></head><body><h1>Engine stand-in</h1><ul>";
    for (const Engine& engine : engines()) {
        const QByteArray address =
            EnginePages::loopbackTemplate(engine, port).toLatin1() + "www.example.com" + QByteArray(engine.querySuffix);
        page += "<li><a href=\"" + address + "\">" + engine.header().toLatin1() + "</a></li>";
    }
    return page + "</ul></body></html>";
}

bool writeSettings(const QString& path, quint16 port, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(EnginePages::loopbackSettingsIni(port)) < 0 || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorvex_demo_server"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Answers the search engines' query forms on 127.0.0.1."));
    parser.addHelpOption();
    const QCommandLineOption settingsOption(QStringLiteral("settings"),
                                            QStringLiteral("Write a settings.ini pointing at this server to <file>."),
                                            QStringLiteral("file"));
    const QCommandLineOption delayOption(QStringLiteral("delay"),
                                         QStringLiteral("Answer after about <ms> milliseconds (default 250)."),
                                         QStringLiteral("ms"), QStringLiteral("250"));
    const QCommandLineOption verboseOption(QStringLiteral("verbose"), QStringLiteral("Print every query."));
    parser.addOptions({settingsOption, delayOption, verboseOption});
    parser.process(application);

    QTextStream out(stdout);
    QTextStream err(stderr);
    bool delayOk = false;
    const int delayMs = parser.value(delayOption).toInt(&delayOk);
    if (!delayOk || delayMs < 0) {
        err << "quorvex_demo_server: --delay takes a number of milliseconds\n";
        return 2;
    }
    const bool verbose = parser.isSet(verboseOption);

    LoopbackHttpServer server;
    if (!server.isListening()) {
        err << "quorvex_demo_server: cannot listen on 127.0.0.1\n";
        return 1;
    }
    const quint16 port = server.port();
    server.setHandler([&](const LoopbackHttpServer::Request& request) {
        const auto query = EnginePages::recognise(request.target);
        if (!query) {
            if (request.path() == QLatin1String("/"))
                return LoopbackHttpServer::Response::page(indexPage(port));
            return LoopbackHttpServer::Response::page("<html><body>Not Found</body></html>", 404);
        }
        const qint64 count = EnginePages::demoCount(query->site, query->engineNumber);
        if (verbose) {
            out << engineByNumber(query->engineNumber)->header() << ' ' << query->site << ": "
                << (count < 0 ? QStringLiteral("no results") : QString::number(count)) << Qt::endl;
        }
        LoopbackHttpServer::Response response =
            LoopbackHttpServer::Response::page(EnginePages::resultPage(query->engineNumber, count));
        response.delayMs = answerDelay(query->site, query->engineNumber, delayMs);
        return response;
    });

    if (parser.isSet(settingsOption)) {
        QString error;
        if (!writeSettings(parser.value(settingsOption), port, &error)) {
            err << "quorvex_demo_server: cannot write " << parser.value(settingsOption) << ": " << error << '\n';
            return 1;
        }
    }
    out << "Engine stand-in listening on http://127.0.0.1:" << port << "/" << Qt::endl;
    return QCoreApplication::exec();
}
