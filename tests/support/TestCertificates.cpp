#include "support/TestCertificates.h"

#include <QFile>
#include <QProcess>
#include <QSslKey>

namespace {

const char* fileStem(TestCertificates::Server which)
{
    switch (which) {
    case TestCertificates::Server::Valid:
        return "valid";
    case TestCertificates::Server::SelfSigned:
        return "self-signed";
    case TestCertificates::Server::Expired:
        return "expired";
    case TestCertificates::Server::OtherHost:
        return "other-host";
    }
    return "";
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The authority's own settings for "openssl ca": no prompts, every subject
// accepted, the extensions of the request copied.
constexpr char authorityConfig[] = "[ca]\n"
                                   "default_ca = test\n"
                                   "[test]\n"
                                   "database = index.txt\n"
                                   "new_certs_dir = .\n"
                                   "certificate = authority.pem\n"
                                   "private_key = authority.key\n"
                                   "serial = serial\n"
                                   "default_md = sha256\n"
                                   "policy = any\n"
                                   "unique_subject = no\n"
                                   "copy_extensions = copy\n"
                                   "[any]\n"
                                   "commonName = supplied\n";

} // namespace

const TestCertificates& TestCertificates::instance()
{
    static const TestCertificates certificates;
    return certificates;
}

TestCertificates::TestCertificates()
{
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return;
    }
    QFile config(m_dir.filePath(QStringLiteral("ca.cnf")));
    QFile index(m_dir.filePath(QStringLiteral("index.txt")));
    QFile serial(m_dir.filePath(QStringLiteral("serial")));
    if (!config.open(QIODevice::WriteOnly) || config.write(authorityConfig) < 0 || !index.open(QIODevice::WriteOnly) ||
        !serial.open(QIODevice::WriteOnly) || serial.write("1000\n") < 0) {
        m_error = QStringLiteral("cannot write the authority's files");
        return;
    }
    config.close();
    index.close();
    serial.close();

    const QStringList newKey{QStringLiteral("-newkey"), QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                             QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes")};
    const QString local = QStringLiteral("subjectAltName=IP:127.0.0.1");
    // A request for a server certificate, issued by the authority for the
    // given period.
    const auto issue = [&](const char* stem, const QString& host, const QString& altName, const QString& start,
                           const QString& end) {
        const QString name = QString::fromLatin1(stem);
        return run(QStringList{QStringLiteral("req"), QStringLiteral("-new")} + newKey +
                   QStringList{QStringLiteral("-keyout"), name + QStringLiteral(".key"), QStringLiteral("-out"),
                               name + QStringLiteral(".csr"), QStringLiteral("-subj"), QStringLiteral("/CN=") + host,
                               QStringLiteral("-addext"), altName}) &&
               run({QStringLiteral("ca"), QStringLiteral("-batch"), QStringLiteral("-config"), QStringLiteral("ca.cnf"),
                    QStringLiteral("-notext"), QStringLiteral("-startdate"), start, QStringLiteral("-enddate"), end,
                    QStringLiteral("-in"), name + QStringLiteral(".csr"), QStringLiteral("-out"),
                    name + QStringLiteral(".pem")});
    };
    const QString now = QStringLiteral("20200101000000Z");
    const QString later = QStringLiteral("20991231000000Z");
    const bool made =
        run(QStringList{QStringLiteral("req"), QStringLiteral("-x509")} + newKey +
            QStringList{QStringLiteral("-keyout"), QStringLiteral("authority.key"), QStringLiteral("-out"),
                        QStringLiteral("authority.pem"), QStringLiteral("-days"), QStringLiteral("3650"),
                        QStringLiteral("-subj"), QStringLiteral("/CN=Loopback Test Authority"),
                        QStringLiteral("-addext"), QStringLiteral("basicConstraints=critical,CA:TRUE"),
                        QStringLiteral("-addext"), QStringLiteral("keyUsage=critical,keyCertSign,cRLSign")}) &&
        issue(fileStem(Server::Valid), QStringLiteral("127.0.0.1"), local, now, later) &&
        issue(fileStem(Server::Expired), QStringLiteral("127.0.0.1"), local, now, QStringLiteral("20201231000000Z")) &&
        issue(fileStem(Server::OtherHost), QStringLiteral("other.invalid"),
              QStringLiteral("subjectAltName=DNS:other.invalid"), now, later) &&
        run(QStringList{QStringLiteral("req"), QStringLiteral("-x509")} + newKey +
            QStringList{QStringLiteral("-keyout"), QStringLiteral("self-signed.key"), QStringLiteral("-out"),
                        QStringLiteral("self-signed.pem"), QStringLiteral("-days"), QStringLiteral("3650"),
                        QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"), local});
    if (!made)
        return;
    const QList<QSslCertificate> authority =
        QSslCertificate::fromData(fileBytes(m_dir.filePath(QStringLiteral("authority.pem"))));
    if (authority.isEmpty()) {
        m_error = QStringLiteral("the authority's certificate cannot be read");
        return;
    }
    m_authority = authority.first();
}

bool TestCertificates::run(const QStringList& arguments)
{
    QProcess openssl;
    openssl.setWorkingDirectory(m_dir.path());
    openssl.setProcessChannelMode(QProcess::MergedChannels);
    openssl.start(QStringLiteral("openssl"), arguments);
    if (!openssl.waitForFinished(60000) || openssl.exitStatus() != QProcess::NormalExit || openssl.exitCode() != 0) {
        m_error = QStringLiteral("openssl %1: %2 %3")
                      .arg(arguments.first(), openssl.errorString(), QString::fromLocal8Bit(openssl.readAll()));
        return false;
    }
    return true;
}

QSslConfiguration TestCertificates::server(Server which) const
{
    const QString stem = QString::fromLatin1(fileStem(which));
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    const QList<QSslCertificate> chain =
        QSslCertificate::fromData(fileBytes(m_dir.filePath(stem + QStringLiteral(".pem"))));
    if (!chain.isEmpty())
        configuration.setLocalCertificate(chain.first());
    configuration.setPrivateKey(QSslKey(fileBytes(m_dir.filePath(stem + QStringLiteral(".key"))), QSsl::Ec, QSsl::Pem));
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    return configuration;
}

void TestCertificates::trustAuthority() const
{
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.addCaCertificate(m_authority);
    QSslConfiguration::setDefaultConfiguration(configuration);
}
