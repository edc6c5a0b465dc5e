#include "webview/Browser.h"

Browser::~Browser() = default;
