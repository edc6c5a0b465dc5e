#include "base/CsvExport.h"

#include "base/Prompts.h"
#include "base/SavePathChoice.h"

#include <QCoreApplication>
#include <QDir>

bool exportCsv(Prompts& prompts, const QString& title,
               const std::function<bool(const QString& path, QString* error)>& write)
{
    const QString path =
        chooseSavePath(prompts, title, QCoreApplication::translate("CsvExport", "CSV Files (*.csv);;All Files (*)"),
                       existingSaveFolder(QStandardPaths::DocumentsLocation), QStringLiteral(".csv"), title);
    if (path.isEmpty())
        return false;
    QString reason;
    if (write(path, &reason))
        return true;
    prompts.error(QCoreApplication::translate("CsvExport", "The CSV file \"%1\" could not be written: %2")
                      .arg(QDir::toNativeSeparators(path), reason),
                  Prompts::errorCaption());
    return false;
}
