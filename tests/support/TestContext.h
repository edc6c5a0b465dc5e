#pragma once

#include "base/AppContext.h"
#include "support/FixedClock.h"
#include "support/RecordingBrowser.h"
#include "support/ScriptedPrompts.h"
#include "support/TestAppFolder.h"
#include "webview/BrowserFactory.h"

#include <QList>
#include <QPointer>

// Everything a window needs, for one test: a temporary application folder
// with its own settings store, scripted prompts, a fixed date and recording
// browsers in place of the browser engine.
struct TestContext
{
    explicit TestContext(TestAppFolder::Content content = TestAppFolder::Content::Installed)
        : folder(content)
    {}

    TestAppFolder folder;
    ScriptedPrompts prompts;
    FixedClock clock{QDate(2026, 12, 8)};
    // Every browser made, in order; an entry turns null when its browser is
    // deleted.
    QList<QPointer<RecordingBrowser>> browsers;
    AppContext context{folder.folder(), folder.settings(), prompts, clock};
    // What the main window makes its browser with; a test may put the real
    // one in its place.
    BrowserFactory makeBrowser = [this](QWidget*) -> Browser* {
        auto* browser = new RecordingBrowser;
        browsers.append(browser);
        return browser;
    };

    // The browser made last, or null.
    RecordingBrowser* browser() const { return browsers.isEmpty() ? nullptr : browsers.last().data(); }
};
