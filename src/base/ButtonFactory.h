#pragma once

#include <QString>

class QToolButton;
class QWidget;

// Picture buttons of the main window: an icon from the program's resources
// (":/icons/<icon>.svg") with the caption beneath it or beside it.
enum class CaptionPlacement { UnderIcon, BesideIcon, IconOnly };

QToolButton* makePictureButton(QWidget* parent, const QString& objectName, const QString& caption,
                               const QString& icon, CaptionPlacement placement);
