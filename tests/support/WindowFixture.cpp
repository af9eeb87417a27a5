// The real main window for a test.
#include "WindowFixture.h"

#include <QTest>

void WindowFixture::OpenWindow(bool shown) {
  form = std::make_unique<TMainForm>();
  if (!shown) return;
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
}

void WindowFixture::CloseWindow() {
  if (!form) return;
  form->close();
  form.reset();
}
