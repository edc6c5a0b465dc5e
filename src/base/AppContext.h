#pragma once

#include "base/ApplicationFolder.h"
#include "webview/BrowserFactory.h"

class Clock;
class Prompts;
class UserSettings;

// What the windows need from outside: the application folder, the per-user
// settings, the prompts, today's date and the maker of the embedded browser.
// Passed in, never read from globals, so tests run in temporary folders with
// scripted answers and a browser that only records.
struct AppContext
{
    ApplicationFolder folder;
    UserSettings& settings;
    Prompts& prompts;
    const Clock& clock;
    BrowserFactory makeBrowser = makeWebEngineBrowser;
};
