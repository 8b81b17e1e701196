#pragma once

class Fl_Window;

// Gives a window the application icon (64 x 64, from the program's resources).
void SetAppIcon(Fl_Window* window);
