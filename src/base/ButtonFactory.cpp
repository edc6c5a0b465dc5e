#include "base/ButtonFactory.h"

#include <QIcon>
#include <QToolButton>

QToolButton* makePictureButton(QWidget* parent, const QString& objectName, const QString& caption,
                               const QString& icon, CaptionPlacement placement)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
    button->setAutoRaise(false);
    switch (placement) {
    case CaptionPlacement::UnderIcon:
        button->setText(caption);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIconSize(QSize(32, 32));
        break;
    case CaptionPlacement::BesideIcon:
        button->setText(caption);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setIconSize(QSize(24, 24));
        break;
    case CaptionPlacement::IconOnly:
        // The caption is the tool tip; screen readers get it as the name.
        button->setToolTip(caption);
        button->setAccessibleName(caption);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setIconSize(QSize(16, 16));
        break;
    }
    return button;
}
