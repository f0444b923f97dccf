// One QApplication for every widget test, offscreen unless told otherwise.

#include <gtest/gtest.h>

#include <unistd.h>
#include <QApplication>
#include <cstdlib>

// The browser engine frees some of its objects through a base of another size
// (its own allocator's habit); under AddressSanitizer that check would end the
// run as soon as the camera has loaded a page.
extern "C" const char* __asan_default_options() { return "new_delete_type_mismatch=0"; }

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // As the console: the camera's browser engine runs as root only without its sandbox.
  if (geteuid() == 0) setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
