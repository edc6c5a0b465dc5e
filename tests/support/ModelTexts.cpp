#include "support/ModelTexts.h"

QStringList columnTexts(const QAbstractItemModel* model, int column)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

QStringList rowTexts(const QAbstractItemModel* model, int row)
{
    QStringList texts;
    for (int column = 0; column < model->columnCount(); ++column)
        texts << model->index(row, column).data().toString();
    return texts;
}
