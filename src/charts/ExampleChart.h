#pragma once

#include "charts/ChartGrid.h"

// The chart shown before any chart has been built: a made-up history of one
// site over six months, so the chart view shows what it is for.
ChartGrid exampleChart();
