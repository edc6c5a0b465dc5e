#include "support/WriteProtection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

bool changeImmutable(const QString& path, bool on)
{
    QProcess process;
    process.start(QStringLiteral("chattr"), {on ? QStringLiteral("+i") : QStringLiteral("-i"), path});
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool canWrite(const QString& path)
{
    if (QFileInfo(path).isDir()) {
        QFile probe(QDir(path).filePath(QStringLiteral("write-probe")));
        if (!probe.open(QIODevice::WriteOnly))
            return false;
        probe.close();
        probe.remove();
        return true;
    }
    QFile probe(path);
    return probe.open(QIODevice::WriteOnly | QIODevice::Append);
}

} // namespace

WriteProtection::WriteProtection(const QString& path)
    : m_path(path)
    , m_permissions(QFile::permissions(path))
{
    QFile::setPermissions(path, m_permissions & ~(QFileDevice::WriteOwner | QFileDevice::WriteUser |
                                                  QFileDevice::WriteGroup | QFileDevice::WriteOther));
    if (canWrite(path))
        m_immutable = changeImmutable(path, true);
}

WriteProtection::~WriteProtection()
{
    if (m_immutable)
        changeImmutable(m_path, false);
    QFile::setPermissions(m_path, m_permissions);
}

bool WriteProtection::isEffective() const
{
    return !canWrite(m_path);
}

QStringList filesStartingWith(const QString& folder, const QString& prefix)
{
    return QDir(folder).entryList({prefix + u'*'}, QDir::Files | QDir::Hidden);
}
