// Windows builds link with -municode, so the program enters at wmain, which gtest_main lacks.

#include <gtest/gtest.h>

#include <cstdio>

#include "wine_settings.h"

int wmain(int argc, wchar_t** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Without a window manager, Wine waits two seconds for every managed window it hides or
  // destroys. Unmanaged windows keep the same frame and geometry, and a run takes seconds.
  zix::e2e::ScopedWineSetting unmanaged(u"X11 Driver", u"Managed", u"N");
  if (!unmanaged.ok()) std::fprintf(stderr, "cannot make windows unmanaged: the suite runs slowly\n");
  return RUN_ALL_TESTS();
}
