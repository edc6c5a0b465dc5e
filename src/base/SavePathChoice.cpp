#include "base/SavePathChoice.h"

#include "base/FileChecks.h"
#include "base/Prompts.h"

#include <QDir>
#include <QFileInfo>

QString chooseSavePath(Prompts& prompts, const QString& title, const QString& filter, const QString& folder,
                       const QString& extension, const QString& questionCaption)
{
    const QString chosen = prompts.saveFile(title, filter, folder);
    const QString path = withExtension(chosen, extension);
    if (chosen.isEmpty() || path == chosen)
        return chosen;
    if (QFileInfo::exists(path) &&
        !prompts.question(
            QStringLiteral("\"%1\" already exists. Do you want to replace it?").arg(QDir::toNativeSeparators(path)),
            questionCaption)) {
        return {};
    }
    return path;
}
