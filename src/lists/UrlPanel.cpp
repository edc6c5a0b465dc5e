#include "lists/UrlPanel.h"

#include "base/ButtonFactory.h"
#include "base/Twips.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>

UrlPanel::UrlPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("URLs"), parent)
{
    setObjectName(QStringLiteral("Frame1"));
    setFixedWidth(twips(3315));

    m_add = makePictureButton(this, QStringLiteral("cmdAdd"), QStringLiteral("Add"), QStringLiteral("add"),
                              CaptionPlacement::UnderIcon);
    m_delete = makePictureButton(this, QStringLiteral("cmdDel"), QStringLiteral("Delete"), QStringLiteral("delete"),
                                 CaptionPlacement::UnderIcon);
    m_load = makePictureButton(this, QStringLiteral("cmdOpen"), QStringLiteral("Load"), QStringLiteral("load"),
                               CaptionPlacement::UnderIcon);
    m_save = makePictureButton(this, QStringLiteral("cmdSave"), QStringLiteral("Save"), QStringLiteral("save"),
                               CaptionPlacement::UnderIcon);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(twips(45));
    for (QToolButton* button : {m_add, m_delete, m_load, m_save}) {
        button->setIconSize(QSize(24, 24));
        button->setFixedSize(twips(735), twips(735));
        buttons->addWidget(button);
    }
    buttons->addStretch();

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformItemSizes(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(120) - 2, twips(240) - 6, twips(120) - 2, twips(200));
    layout->setSpacing(twips(45));
    layout->addLayout(buttons);
    layout->addWidget(m_list, 1);
}
