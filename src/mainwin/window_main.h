#pragma once

// The window's entry in its module: builds the main window, shows it with the
// command line (the toolkit's options) and runs the event loop.
extern "C" int ZelmoraWindowMain(int argc, char** argv);
