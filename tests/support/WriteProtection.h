#pragma once

#include <QFileDevice>
#include <QString>

// Makes a file or folder write-protected while it lives. Clearing the write
// permission does not stop a process run as root, so it then also sets the
// file system's immutable attribute when it can. Check isEffective() and
// skip the test when the path stays writable.
class WriteProtection
{
public:
    explicit WriteProtection(const QString& path);
    ~WriteProtection();

    WriteProtection(const WriteProtection&) = delete;
    WriteProtection& operator=(const WriteProtection&) = delete;

    bool isEffective() const;

private:
    QString m_path;
    QFileDevice::Permissions m_permissions;
    bool m_immutable = false;
};

// Files of the folder whose name begins with the prefix (left-over
// temporary files of a failed write would show up here).
QStringList filesStartingWith(const QString& folder, const QString& prefix);
