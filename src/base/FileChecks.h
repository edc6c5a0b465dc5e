#pragma once

#include <QString>

// The part of a path after its last separator; the whole text when it has
// none, the empty text for an empty path. The separator is the backslash
// and, on every platform we build for, also the slash, since Qt paths use
// "/" everywhere.
QString fileNameFromPath(const QString& path);

// True when the folder of the path lists an ordinary (not hidden) file whose
// name equals fileNameFromPath(path), letter case ignored. A name with
// wildcards never counts as an existing file; any error gives false.
bool fileExists(const QString& path);

// The path of the file fileExists finds, with the name as the folder lists
// it (which may differ in case on a case-sensitive file system); the empty
// text when fileExists is false.
QString existingFilePath(const QString& path);

// The file name with the extension (".txt") appended, unless it already ends
// in it in any letter case.
QString withExtension(const QString& fileName, const QString& extension);
