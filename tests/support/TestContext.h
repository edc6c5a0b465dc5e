#pragma once

#include "app/AppContext.h"
#include "support/FixedClock.h"
#include "support/ScriptedPrompts.h"
#include "support/TestAppFolder.h"

// Everything a window needs, for one test: a temporary application folder
// with its own settings store, scripted prompts and a fixed date.
struct TestContext
{
    explicit TestContext(TestAppFolder::Content content = TestAppFolder::Content::Installed)
        : folder(content)
    {
    }

    TestAppFolder folder;
    ScriptedPrompts prompts;
    FixedClock clock{QDate(2026, 12, 8)};
    AppContext context{folder.folder(), folder.settings(), prompts, clock};
};
