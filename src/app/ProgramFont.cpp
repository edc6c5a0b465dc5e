#include "app/ProgramFont.h"

QFont programFont(const QFont& desktopFont, const QStringList& installedFamilies)
{
    static const QString designFace = QStringLiteral("Verdana");
    QFont font = desktopFont;
    if (installedFamilies.contains(designFace, Qt::CaseInsensitive)) {
        QStringList families = desktopFont.families();
        if (families.isEmpty())
            families << desktopFont.family();
        families.prepend(designFace);
        font.setFamilies(families);
    }
    return font;
}
