#pragma once

#include <QFont>

// Verdana where it is installed, else the closest sans-serif face.
QFont programFont();
