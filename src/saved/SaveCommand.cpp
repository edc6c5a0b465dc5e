#include "saved/SaveCommand.h"

#include "Branding.h"
#include "base/AppContext.h"
#include "base/Prompts.h"
#include "saved/SaveData.h"
#include "saved/SaveSearchDialog.h"

#include <QCoreApplication>

bool runSaveCommand(const ResultRow* selectedRow, const QList<SourceColumn>& columns, AppContext& context, QWidget* owner)
{
    if (!selectedRow) {
        context.prompts.notice(
            QCoreApplication::translate("SaveCommand", "You must first select the item in the results list that you "
                                                       "would like to save."),
            QString::fromLatin1(Branding::applicationTitle));
        return false;
    }
    SaveSearchDialog dialog(context, SaveData::countsOf(columns, *selectedRow), owner);
    return dialog.exec() == QDialog::Accepted;
}
