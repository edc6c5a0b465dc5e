#pragma once

#include <QFont>
#include <QStringList>

// The font of every window: the desktop's font, in Verdana where Verdana is
// installed. The size is always the desktop's, so a user who set large text
// gets large text; the desktop's family stays behind Verdana for the
// characters Verdana lacks.
QFont programFont(const QFont& desktopFont, const QStringList& installedFamilies);
