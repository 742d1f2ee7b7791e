#pragma once

class MainWindow;

// Without a notification area the main window is the way in: it becomes an
// ordinary window the desktop lists and minimises, phrases flash while it is
// minimised, and a bar under the pages offers the tray menu's commands.
// Call once, before the window is first shown.
void EnterNoTrayMode(MainWindow& window);

// The text the program shows once at start in this mode.
extern const char* const NoTrayNotice;
