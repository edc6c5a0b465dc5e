#pragma once

// Starts the program: the splash window, then the main window.
int runQuorvex(int argc, char* argv[]);
