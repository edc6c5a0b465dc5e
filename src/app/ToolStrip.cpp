#include "app/ToolStrip.h"

#include "base/ButtonFactory.h"
#include "base/Twips.h"

#include <QHBoxLayout>
#include <QToolButton>

ToolStrip::ToolStrip(const QString& visitCaption, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setFixedHeight(twips(1095));

    m_start = makePictureButton(this, QStringLiteral("Command1"), QStringLiteral("Start"), QStringLiteral("start"),
                                CaptionPlacement::UnderIcon);
    m_stop = makePictureButton(this, QStringLiteral("Command2"), QStringLiteral("Stop"), QStringLiteral("stop"),
                               CaptionPlacement::UnderIcon);
    m_stop->setEnabled(false);
    m_options = makePictureButton(this, QStringLiteral("Command6"), QStringLiteral("Options"),
                                  QStringLiteral("options"), CaptionPlacement::UnderIcon);
    m_visit = makePictureButton(this, QStringLiteral("Command3"), visitCaption, QStringLiteral("visit"),
                                CaptionPlacement::UnderIcon);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(twips(60), twips(60), twips(200), twips(60));
    layout->setSpacing(twips(45));
    for (QToolButton* button : {m_start, m_stop, m_options}) {
        button->setFixedSize(twips(1275), twips(975));
        layout->addWidget(button);
    }
    m_visit->setFixedHeight(twips(975));
    m_visit->setMinimumWidth(twips(1275));
    m_visit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout->addWidget(m_visit, 1);
}
