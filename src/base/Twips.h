#pragma once

// Window geometry of the design is given in twips; 15 twips make one pixel at
// 96 dots per inch, which Qt's logical pixels stand for.
constexpr int twips(int value)
{
    return value / 15;
}
