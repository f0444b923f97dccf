#pragma once
// The keyboard at a console whose X session may run no window manager: a
// window shown there is mapped but not activated, and a closed box hands the
// focus to nobody. The console takes the keyboard itself.

#include <QWidget>

namespace bingo {

// Raises `window` and makes it the active window, also where no window
// manager would do so; asked before the window is mapped, it happens once it is.
void takeKeyboard(QWidget& window);

// Where no window manager runs: whenever no window of the program holds the
// focus any more (a box has closed and the X server handed the focus to the
// root window), the modal box still open or else `window` takes it back, and with
// it the control that had the focus. Under a window manager the manager decides.
void keepKeyboard(QWidget& window);

}  // namespace bingo
