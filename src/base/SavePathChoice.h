#pragma once

#include <QStandardPaths>
#include <QString>
#include <QStringList>

class Prompts;

// Asks the user for the file to save into with the save dialog. A chosen
// name that does not end in the extension (".txt", in any letter case) gets
// it; the dialog asked about replacing the name as chosen, so a file that
// the added extension leads to is replaced only when the user agrees to the
// question (with this caption). The empty text when the user cancels either.
QString chooseSavePath(Prompts& prompts, const QString& title, const QString& filter, const QString& folder,
                       const QString& extension, const QString& questionCaption);
// The same for a file of several types: a name that ends in none of the
// extensions gets the first.
QString chooseSavePath(Prompts& prompts, const QString& title, const QString& filter, const QString& folder,
                       const QStringList& extensions, const QString& questionCaption);

// The folder a save dialog starts in: the first of the standard folder
// (Pictures, Documents...), the documents folder and the home folder that
// exists, so the dialog never opens on a folder that is not there.
QString existingSaveFolder(QStandardPaths::StandardLocation location);
