#include "lists/UrlPanel.h"

#include "base/ButtonFactory.h"
#include "base/Twips.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

UrlPanel::UrlPanel(QWidget* parent)
    : QGroupBox(tr("URLs"), parent)
{
    setObjectName(QStringLiteral("Frame1"));
    m_add = makePictureButton(this, QStringLiteral("cmdAdd"), tr("A&dd"), tr("Type a URL to add to the list"),
                              QStringLiteral("add"), CaptionPlacement::UnderIcon);
    m_delete =
        makePictureButton(this, QStringLiteral("cmdDel"), tr("D&elete"), tr("Remove the selected URL from the list"),
                          QStringLiteral("delete"), CaptionPlacement::UnderIcon);
    // No Alt letter: each of its letters belongs to a control that is
    // always in sight or to "Load Data"; Control+O loads a list.
    m_load = makePictureButton(this, QStringLiteral("cmdOpen"), tr("Load"), tr("Load a URL list from a file"),
                               QStringLiteral("load"), CaptionPlacement::UnderIcon);
    m_save = makePictureButton(this, QStringLiteral("cmdSave"), tr("Sa&ve"), tr("Save the URL list to a file"),
                               QStringLiteral("save"), CaptionPlacement::UnderIcon);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(twips(45));
    for (QToolButton* button : {m_add, m_delete, m_load, m_save}) {
        button->setIconSize(QSize(24, 24));
        setDesignSize(button, QSize(twips(735), twips(735)));
        buttons->addWidget(button);
    }
    buttons->addStretch();

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setAccessibleName(tr("URL list"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformItemSizes(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(120) - 2, twips(240) - 6, twips(120) - 2, twips(200));
    layout->setSpacing(twips(45));
    layout->addLayout(buttons);
    layout->addWidget(m_list, 1);

    // The design's width, or wider when large text widens the buttons; the
    // panel keeps that width whatever the window's size.
    setFixedWidth(std::max(twips(3315), minimumSizeHint().width()));
}
