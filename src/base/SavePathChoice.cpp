#include "base/SavePathChoice.h"

#include "base/FileChecks.h"
#include "base/Prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

QString chooseSavePath(Prompts& prompts, const QString& title, const QString& filter, const QString& folder,
                       const QString& extension, const QString& questionCaption)
{
    return chooseSavePath(prompts, title, filter, folder, QStringList{extension}, questionCaption);
}

QString chooseSavePath(Prompts& prompts, const QString& title, const QString& filter, const QString& folder,
                       const QStringList& extensions, const QString& questionCaption)
{
    const QString chosen = prompts.saveFile(title, filter, folder);
    const bool hasOne = std::any_of(extensions.cbegin(), extensions.cend(), [&chosen](const QString& extension) {
        return chosen.endsWith(extension, Qt::CaseInsensitive);
    });
    const QString path = hasOne || extensions.isEmpty() ? chosen : withExtension(chosen, extensions.first());
    if (chosen.isEmpty() || path == chosen)
        return chosen;
    if (QFileInfo::exists(path) &&
        !prompts.question(
            QCoreApplication::translate("SavePathChoice", "\"%1\" already exists. Do you want to replace it?")
                .arg(QDir::toNativeSeparators(path)),
            questionCaption)) {
        return {};
    }
    return path;
}

QString existingSaveFolder(QStandardPaths::StandardLocation location)
{
    for (const auto candidate : {location, QStandardPaths::DocumentsLocation}) {
        const QString folder = QStandardPaths::writableLocation(candidate);
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    }
    return QDir::homePath();
}
