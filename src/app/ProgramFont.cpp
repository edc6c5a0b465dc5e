#include "app/ProgramFont.h"

#include <QFontDatabase>
#include <QStringList>

QFont programFont()
{
    // Verdana is wide and open; DejaVu Sans was drawn from the same family
    // of humanist faces and has close metrics.
    static const QStringList preferred = {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                                          QStringLiteral("Bitstream Vera Sans")};
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : preferred) {
        if (installed.contains(family)) {
            QFont font(family, 8);
            font.setStyleHint(QFont::SansSerif);
            return font;
        }
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}
