#include "saved/SaveCommand.h"

#include "Branding.h"
#include "base/AppContext.h"
#include "base/Prompts.h"
#include "results/ResultRow.h"
#include "saved/SaveData.h"
#include "saved/SaveSearchDialog.h"

#include <QCoreApplication>

bool runSaveCommand(const ResultRow* selectedRow, const QList<SourceColumn>& columns, AppContext& context,
                    QWidget* owner, QString* confirmation)
{
    if (!selectedRow) {
        context.prompts.notice(
            QCoreApplication::translate("SaveCommand", "You must first select the item in the results list that you "
                                                       "would like to save."),
            QString::fromLatin1(Branding::applicationTitle));
        return false;
    }
    SaveSearchDialog dialog(context, SaveData::countsOf(columns, *selectedRow), owner);
    dialog.preselectSearchOf(selectedRow->site);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (confirmation) {
        *confirmation = QCoreApplication::translate("SaveCommand", "Saved the counts of %1 in the saved search \"%2\".")
                            .arg(selectedRow->site, dialog.savedName());
    }
    return true;
}
