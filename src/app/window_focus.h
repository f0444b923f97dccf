#pragma once
// The keyboard at a console whose X session may run no window manager: a
// window shown there is mapped but not activated, and a closed box hands the
// focus to nobody. The console takes the keyboard itself.

#include <QWidget>

#if defined(BINGO_HAVE_X11)
struct _XDisplay;  // Xlib's Display
#endif

namespace bingo {

#if defined(BINGO_HAVE_X11)
// Whether a live window manager runs on the display, not merely one that has
// left its note on the root window before it exited.
bool hasWindowManager(_XDisplay* display);
#endif

// Raises `window` and makes it the active window, also where no window
// manager would do so; asked before the window is mapped, it happens once it is.
void takeKeyboard(QWidget& window);

// Where no window manager runs: whenever a box or dialog of the program has
// opened or closed (the X server then hands the focus to the root window), the
// modal box now open or else `window` takes the keyboard, `window` with it the
// control that had the focus. Under a window manager the manager decides.
void keepKeyboard(QWidget& window);

}  // namespace bingo
