#include "saved/SavedSearchChoice.h"

#include "base/Prompts.h"

#include <QComboBox>
#include <QCoreApplication>

namespace SavedSearchChoice {

QComboBox* makeChooser(QWidget* parent)
{
    auto* chooser = new QComboBox(parent);
    chooser->setObjectName(QStringLiteral("Combo1"));
    chooser->setMinimumContentsLength(24);
    chooser->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return chooser;
}

void offer(QComboBox* chooser, const QStringList& names, Prompts& prompts)
{
    chooser->addItems(names);
    // Nothing is chosen until the user picks a search.
    chooser->setCurrentIndex(-1);
    if (names.isEmpty())
        prompts.information(
            QCoreApplication::translate("SavedSearchChoice", "You currently do not have any saved searches"),
            QCoreApplication::translate("SavedSearchChoice", "Information"));
}

QString chosen(const QComboBox* chooser, Prompts& prompts)
{
    const QString name = chooser->currentText();
    if (name.isEmpty()) {
        prompts.information(
            QCoreApplication::translate("SavedSearchChoice", "Please choose a saved file in the dropdown box above"),
            QCoreApplication::translate("SavedSearchChoice", "Select A Saved Search"));
    }
    return name;
}

} // namespace SavedSearchChoice
