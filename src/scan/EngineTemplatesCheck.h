#pragma once

struct AppContext;

// settings.ini holds the engines' query templates. When it exists but cannot
// be read, every template would read as empty and a scan would query the
// bare site texts, so the user is told once, naming the file and the reason,
// and false is returned. A missing file is no failure: its templates are
// empty, as they have always been.
bool engineTemplatesReadable(AppContext& context);
