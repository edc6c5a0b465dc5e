#pragma once

#include <QAbstractItemModel>
#include <QStringList>

// The display texts of a table model, for comparing what a view shows.
QStringList columnTexts(const QAbstractItemModel* model, int column);
QStringList rowTexts(const QAbstractItemModel* model, int row);
