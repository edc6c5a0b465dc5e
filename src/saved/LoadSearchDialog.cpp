#include "saved/LoadSearchDialog.h"

#include "base/AppContext.h"
#include "base/Prompts.h"
#include "saved/SavedSearchChoice.h"
#include "saved/SavedSearches.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

LoadSearchDialog::LoadSearchDialog(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Load Saved Search"));

    auto* frame = new QGroupBox(tr("Select saved search to load"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    m_searches = SavedSearchChoice::makeChooser(frame);
    m_searches->setAccessibleName(tr("Saved search"));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_searches);

    auto* okButton = new QPushButton(tr("&Ok"), this);
    okButton->setObjectName(QStringLiteral("Command1"));
    okButton->setToolTip(tr("Chart the chosen saved search"));
    okButton->setDefault(true);
    okButton->setMinimumWidth(80);
    auto* cancelButton = new QPushButton(tr("&Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("Command2"));
    cancelButton->setToolTip(tr("Close without loading"));
    cancelButton->setMinimumWidth(80);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(okButton);
    buttonRow->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttonRow);

    connect(okButton, &QPushButton::clicked, this, &LoadSearchDialog::confirm);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    SavedSearchChoice::offer(m_searches, SavedSearches(context.folder.savedFolder()).names(), m_context.prompts);

    m_searches->setFocus();
    setFixedHeight(sizeHint().height());
}

void LoadSearchDialog::confirm()
{
    const QString name = SavedSearchChoice::chosen(m_searches, m_context.prompts);
    if (name.isEmpty())
        return;
    m_chartFileName = SavedSearches(m_context.folder.savedFolder()).fileName(name);
    accept();
}
