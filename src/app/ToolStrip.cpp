#include "app/ToolStrip.h"

#include "base/ButtonFactory.h"
#include "base/Twips.h"

#include <QHBoxLayout>
#include <QToolButton>

ToolStrip::ToolStrip(const QString& publisherAddress, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    // As tall as its buttons: the design's height, more for large text.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    m_start = makePictureButton(this, QStringLiteral("Command1"), tr("S&tart"),
                                tr("Ask the search engines about every site of the URL list"), QStringLiteral("start"),
                                CaptionPlacement::UnderIcon);
    m_stop =
        makePictureButton(this, QStringLiteral("Command2"), tr("Sto&p"), tr("Stop the scan after the current site"),
                          QStringLiteral("stop"), CaptionPlacement::UnderIcon);
    m_stop->setEnabled(false);
    m_options = makePictureButton(this, QStringLiteral("Command6"), tr("Optio&ns"),
                                  tr("Change the search engine addresses, ranks and scan options"),
                                  QStringLiteral("options"), CaptionPlacement::UnderIcon);
    m_visit = makePictureButton(this, QStringLiteral("Command3"), tr("V&isit %1").arg(literalCaption(publisherAddress)),
                                tr("Open the publisher's web site in your web browser"), QStringLiteral("visit"),
                                CaptionPlacement::UnderIcon);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(twips(60), twips(60), twips(200), twips(60));
    layout->setSpacing(twips(45));
    for (QToolButton* button : {m_start, m_stop, m_options}) {
        setDesignSize(button, QSize(twips(1275), twips(975)));
        layout->addWidget(button);
    }
    m_visit->setMinimumSize(twips(1275), twips(975));
    m_visit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout->addWidget(m_visit, 1);
}
