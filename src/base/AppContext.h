#pragma once

#include "base/ApplicationFolder.h"

class Clock;
class Prompts;
class UserSettings;

// What the windows need from outside: the application folder, the per-user
// settings, the prompts and today's date. Passed in, never read from
// globals, so tests run in temporary folders with scripted answers.
struct AppContext
{
    ApplicationFolder folder;
    UserSettings& settings;
    Prompts& prompts;
    const Clock& clock;
};
