#include "scan/EngineTemplatesCheck.h"

#include "app/AppContext.h"
#include "app/LocalFile.h"
#include "app/Prompts.h"

#include <QDir>

bool engineTemplatesReadable(AppContext& context)
{
    const QString path = context.folder.settingsIni();
    QByteArray bytes;
    QString reason;
    if (LocalFile::readBytes(path, bytes, &reason) != LocalFile::ReadStatus::Failed)
        return true;
    context.prompts.error(QStringLiteral("The search engine addresses could not be read from \"%1\": %2")
                              .arg(QDir::toNativeSeparators(path), reason),
                          Prompts::errorCaption());
    return false;
}
