#include "saved/SaveCommand.h"

#include "Branding.h"
#include "app/AppContext.h"
#include "app/Prompts.h"
#include "lists/ResultsColumns.h"
#include "lists/ResultsTable.h"
#include "saved/SaveData.h"
#include "saved/SaveSearchDialog.h"

#include <QCoreApplication>
#include <QTreeWidget>

std::optional<QString> saveDataOfSelectedRow(const QTreeWidget* resultsTable)
{
    if (!resultsTable || resultsTable->columnCount() < ResultsColumns::count)
        return std::nullopt;
    const QTreeWidgetItem* row = ResultsTable::selectedRow(resultsTable);
    if (!row)
        return std::nullopt;
    const QTreeWidgetItem* header = resultsTable->headerItem();
    QStringList captions;
    QStringList counts;
    for (int column = ResultsColumns::firstEngine; column < ResultsColumns::count; ++column) {
        captions << header->text(column);
        counts << row->text(column);
    }
    return SaveData::build(captions, counts);
}

bool runSaveCommand(QTreeWidget* resultsTable, AppContext& context, QWidget* owner)
{
    const std::optional<QString> saveData = saveDataOfSelectedRow(resultsTable);
    if (!saveData) {
        context.prompts.notice(
            QCoreApplication::translate("SaveCommand", "You must first select the item in the results list that you "
                                                       "would like to save."),
            QString::fromLatin1(Branding::applicationTitle));
        return false;
    }
    SaveSearchDialog dialog(context, *saveData, owner);
    return dialog.exec() == QDialog::Accepted;
}
