#include "base/ButtonFactory.h"

#include <QIcon>
#include <QToolButton>

QToolButton* makePictureButton(QWidget* parent, const QString& objectName, const QString& caption,
                               const QString& toolTip, const QString& icon, CaptionPlacement placement)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
    button->setToolTip(toolTip);
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
        button->setAccessibleName(caption);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setIconSize(QSize(16, 16));
        break;
    }
    return button;
}

QString literalCaption(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

void setDesignSize(QWidget* widget, const QSize& designSize)
{
    // A layout squeezes a widget down to its minimum size, never below, so
    // the minimum is what the caption needs.
    widget->setMinimumSize(designSize.expandedTo(widget->sizeHint()));
    widget->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}
