#pragma once

#include <QSslCertificate>
#include <QSslConfiguration>
#include <QString>
#include <QTemporaryDir>

// Certificates made for one test run with the openssl command: a test
// authority and server configurations for 127.0.0.1 that a client trusting
// the authority accepts, or rejects for one reason each. Made once per
// process, as the key generation takes a moment.
class TestCertificates
{
public:
    enum class Server {
        Valid,      // issued by the authority for 127.0.0.1
        SelfSigned, // for 127.0.0.1, signed by its own key
        Expired,    // issued by the authority for 127.0.0.1, valid only in 2020
        OtherHost,  // issued by the authority for other.invalid
    };

    // The certificates of this process; isValid() is false when openssl
    // could not make them, and error() says why.
    static const TestCertificates& instance();

    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    QSslCertificate authority() const { return m_authority; }
    QSslConfiguration server(Server which) const;

    // Adds the authority to the process's default TLS configuration, which
    // every network access manager made afterwards starts from.
    void trustAuthority() const;

private:
    TestCertificates();
    bool run(const QStringList& arguments);

    QTemporaryDir m_dir;
    QString m_error;
    QSslCertificate m_authority;
};
