#include "app/lock_keys.h"

#include <QGuiApplication>

#if defined(BINGO_HAVE_X11)
#include <X11/XKBlib.h>
#include <X11/keysym.h>
#endif

namespace bingo {

LockKeys readLockKeys() {
  LockKeys keys;
#if defined(BINGO_HAVE_X11)
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  Display* display = x11 ? x11->display() : nullptr;
  if (!display) return keys;
  XkbStateRec state{};
  if (XkbGetState(display, XkbUseCoreKbd, &state) != Success) return keys;
  keys.capsLock = (state.locked_mods & LockMask) != 0;
  const unsigned numMask = XkbKeysymToModifiers(display, XK_Num_Lock);
  keys.numLock = numMask != 0 && (state.locked_mods & numMask) != 0;
#endif
  return keys;
}

}  // namespace bingo
