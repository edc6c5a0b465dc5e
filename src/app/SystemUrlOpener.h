#pragma once

#include "app/PublisherWebAddress.h"

// Opens addresses with the system's default handler (the web browser).
UrlOpener systemUrlOpener();
