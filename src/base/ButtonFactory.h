#pragma once

#include <QString>

class QSize;
class QToolButton;
class QWidget;

// Picture buttons of the main window: an icon from the program's resources
// (":/icons/<icon>.svg") with the caption beneath it or beside it. The
// caption may mark its shortcut letter with "&"; an icon-only button shows
// no caption, and screen readers announce it as the button's name.
enum class CaptionPlacement { UnderIcon, BesideIcon, IconOnly };

QToolButton* makePictureButton(QWidget* parent, const QString& objectName, const QString& caption,
                               const QString& toolTip, const QString& icon, CaptionPlacement placement);

// Text for a caption that shows every "&" as it is instead of taking the
// next letter as a shortcut.
QString literalCaption(QString text);

// Gives a control the design's size, or the size its caption needs at the
// user's font size when that is larger; it does not stretch with its
// layout. Set the caption first.
void setDesignSize(QWidget* widget, const QSize& designSize);
