#pragma once
// The main window's frame as the console has it: caption "KVAROLA 2015", no
// border icons, the window's font and colour, the console screen as the
// client area with the menu bar above and the status bar below, and the size
// constraints. The window's own behaviour (its key filter, timer and actions)
// stays with the window.

#include <QSize>

class QMainWindow;

namespace bingo {

class ConsoleScreen;

// Builds the screen, the menu bar and the status bar into `window`; returns the screen.
ConsoleScreen* setUpMainWindow(QMainWindow& window);

// At creation: top-left corner of the screen, sized to the screen within the
// constraints (outer sizes of the console's Windows, mapped onto this window
// without its frame), and not resizable from then on.
void placeMainWindow(QMainWindow& window, QSize screen);

// The technician's choice for today's larger screens: the window covers the
// whole screen and the layout, menu and status bar are built again at the
// largest scale that fits, centred. A screen no larger than the design is
// placed as above.
void fitMainWindow(QMainWindow& window, QSize screen);

}  // namespace bingo
