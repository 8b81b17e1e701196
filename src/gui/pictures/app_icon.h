#pragma once

class Fl_Window;

// Ties a window to the program on the desktop: gives it the application icon
// (64 x 64, transparent around the drawing) and makes "zelmora", the class the
// menu entry names, the class of every window of the program, so docks and
// task bars show the program's icon and group its windows under its entry.
void SetAppIcon(Fl_Window* window);
