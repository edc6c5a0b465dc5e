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

// The file the path leads to, as an absolute path with every link followed:
// that of the file when it exists, else the file of that name in the
// folder the path's folder leads to (where a new file would go). A link
// that leads nowhere leads to its target.
QString resolvedFilePath(const QString& path);

// Whether the path leads (resolvedFilePath) to a file in the folder or in
// a folder below it; false when the folder does not exist.
bool leadsIntoFolder(const QString& path, const QString& folder);

// Whether the two paths lead to one file.
bool leadToSameFile(const QString& path, const QString& otherPath);
