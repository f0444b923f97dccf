#pragma once
// Caps Lock and Num Lock toggles, read from the X server's keyboard extension
// when the application runs on X11; both off elsewhere (offscreen, Wayland).

namespace bingo {

struct LockKeys {
  bool capsLock = false;
  bool numLock = false;
};

LockKeys readLockKeys();

}  // namespace bingo
