#include "saved/SaveCommand.h"

#include "Branding.h"
#include "app/AppContext.h"
#include "app/Prompts.h"
#include "saved/SaveData.h"
#include "saved/SaveSearchDialog.h"

#include <QCoreApplication>
#include <QTreeWidget>

namespace {

constexpr int firstEngineColumn = 2;
constexpr int engineColumns = 6;

const QTreeWidgetItem* selectedRow(const QTreeWidget* table)
{
    QTreeWidgetItem* current = table->currentItem();
    if (current && current->isSelected())
        return current;
    const QList<QTreeWidgetItem*> selected = table->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

} // namespace

std::optional<QString> saveDataOfSelectedRow(const QTreeWidget* resultsTable)
{
    if (!resultsTable || resultsTable->columnCount() < firstEngineColumn + engineColumns)
        return std::nullopt;
    const QTreeWidgetItem* row = selectedRow(resultsTable);
    if (!row)
        return std::nullopt;
    const QTreeWidgetItem* header = resultsTable->headerItem();
    QStringList captions;
    QStringList counts;
    for (int column = firstEngineColumn; column < firstEngineColumn + engineColumns; ++column) {
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
