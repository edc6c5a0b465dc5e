#pragma once

// The two numbers the rank of a row total is decided by.
struct RankThresholds
{
    int low = 500;       // below: low
    int boundary = 1000; // from here: high; in between: medium
};
