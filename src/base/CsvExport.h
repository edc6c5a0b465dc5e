#pragma once

#include <QString>

#include <functional>

class Prompts;

// Writes a CSV file where the user chooses (the save dialog with this title,
// starting in the documents folder; ".csv" is added to a name without it).
// A write that fails is reported. True when the file was written.
bool exportCsv(Prompts& prompts, const QString& title,
               const std::function<bool(const QString& path, QString* error)>& write);
