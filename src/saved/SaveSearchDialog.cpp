#include "saved/SaveSearchDialog.h"

#include "Branding.h"
#include "base/AppContext.h"
#include "base/Clock.h"
#include "base/Prompts.h"
#include "saved/SavedSearchChoice.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* makeButton(const QString& objectName, const QString& text, const QString& toolTip, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setToolTip(toolTip);
    // Return in the name box means "Save", not whichever button was first.
    button->setAutoDefault(false);
    button->setMinimumWidth(80);
    return button;
}

QLabel* makeLabel(const QString& objectName, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

// A frame's label above a row of its field and button.
void layOutFrame(QGroupBox* frame, QLabel* label, QWidget* field, QPushButton* button)
{
    label->setBuddy(field);
    auto* row = new QHBoxLayout;
    row->addWidget(field, 1);
    row->addWidget(button);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(label);
    layout->addLayout(row);
}

} // namespace

SaveSearchDialog::SaveSearchDialog(AppContext& context, const QList<SavedCount>& counts, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_counts(counts)
    , m_searches(context.folder.savedFolder())
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(tr("Save Search Results"));

    auto* oldFrame = new QGroupBox(tr("Save Into An Old Search Result"), this);
    oldFrame->setObjectName(QStringLiteral("Frame1"));
    auto* oldLabel = makeLabel(QStringLiteral("Label1"), tr("&Append new results to this previous search:"), oldFrame);
    m_oldSearches = SavedSearchChoice::makeChooser(oldFrame);
    QPushButton* appendButton =
        makeButton(QStringLiteral("Command1"), tr("&Ok"), tr("Add the counts to the chosen saved search"), oldFrame);
    layOutFrame(oldFrame, oldLabel, m_oldSearches, appendButton);

    auto* newFrame = new QGroupBox(tr("Create New Save File"), this);
    newFrame->setObjectName(QStringLiteral("Frame2"));
    auto* newLabel = makeLabel(QStringLiteral("Label2"), tr("Please choose a &name for this search:"), newFrame);
    m_newName = new QLineEdit(newFrame);
    m_newName->setObjectName(QStringLiteral("Text1"));
    QPushButton* saveButton =
        makeButton(QStringLiteral("Command3"), tr("&Save"), tr("Start a new saved search with the counts"), newFrame);
    layOutFrame(newFrame, newLabel, m_newName, saveButton);

    QPushButton* cancelButton = makeButton(QStringLiteral("Command2"), tr("&Cancel"), tr("Close without saving"), this);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(oldFrame);
    layout->addWidget(newFrame);
    layout->addLayout(buttonRow);

    connect(appendButton, &QPushButton::clicked, this, &SaveSearchDialog::appendToOldSearch);
    connect(saveButton, &QPushButton::clicked, this, &SaveSearchDialog::saveNewSearch);
    connect(m_newName, &QLineEdit::returnPressed, this, &SaveSearchDialog::saveNewSearch);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    SavedSearchChoice::offer(m_oldSearches, m_searches.names(), m_context.prompts);

    m_newName->setFocus();
    setFixedHeight(sizeHint().height());
}

void SaveSearchDialog::preselectSearchOf(const QString& site)
{
    const int index = m_oldSearches->findText(SavedSearches::nameForSite(site), Qt::MatchFixedString);
    if (index < 0)
        return;
    m_oldSearches->setCurrentIndex(index);
    m_oldSearches->setFocus();
}

void SaveSearchDialog::appendToOldSearch()
{
    const QString name = SavedSearchChoice::chosen(m_oldSearches, m_context.prompts);
    if (!name.isEmpty())
        save(name, false);
}

void SaveSearchDialog::saveNewSearch()
{
    const QString name = m_newName->text();
    const QString caption = QString::fromLatin1(Branding::applicationTitle);
    if (name.isEmpty()) {
        m_context.prompts.notice(tr("Please type a name for this search."), caption);
        m_newName->setFocus();
        return;
    }
    if (!SavedSearches::isValidName(name)) {
        QStringList characters;
        for (const QChar c : SavedSearches::invalidNameCharacters())
            characters << QString(c);
        m_context.prompts.notice(tr("A saved search cannot be named \"%1\". A name must not begin with \".\" "
                                    "and must not contain any of these characters: %2")
                                     .arg(name, characters.join(u' ')),
                                 caption);
        m_newName->setFocus();
        return;
    }
    save(name, true);
}

void SaveSearchDialog::save(const QString& name, bool startAnew)
{
    const QDate today = m_context.clock.today();
    QString reason;
    const bool saved = startAnew ? m_searches.startSearch(name, m_counts, today, &reason)
                                 : m_searches.appendCounts(name, m_counts, today, &reason);
    if (!saved) {
        m_context.prompts.error(tr("The search results could not be saved into \"%1\".\n\n%2")
                                    .arg(QDir::toNativeSeparators(m_searches.filePath(name)), reason),
                                QString::fromLatin1(Branding::applicationTitle));
        return;
    }
    m_savedName = name;
    accept();
}
