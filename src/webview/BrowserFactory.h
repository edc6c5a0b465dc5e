#pragma once

#include <functional>

class Browser;
class QWidget;

// Makes the browser of the web view when it is first needed. The browser's
// view (if it has one) is made a child of parent; the caller owns the
// returned object.
using BrowserFactory = std::function<Browser*(QWidget* parent)>;

// The program's browser: a WebEngine view.
Browser* makeWebEngineBrowser(QWidget* parent);
