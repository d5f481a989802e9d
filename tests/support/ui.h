// The fixture of the window-element tests: a fresh runtime and a fresh
// headless backend per test. Elements live in the test body, so that they
// are gone before the backend.
#pragma once

#include <gtest/gtest.h>

#include "support/elements.h"
#include "ui/elements/win.h"
#include "ui/headless/backend.h"

#include <ostream>

namespace zorn::ui {
inline void PrintTo(const TRect& r, std::ostream* os) {
  *os << "{" << r.Left << ", " << r.Top << ", " << r.Width << ", " << r.Height << "}";
}
}  // namespace zorn::ui

namespace zorn::test {

class UiTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    ui::SetBackend(&backend);
    ui::ResetUiForTests();
  }
  void TearDown() override {
    ui::ResetUiForTests();
    ui::SetBackend(nullptr);
    RuntimeTest::TearDown();
  }
  static ui::headless::THeadlessWidget& W(const ui::TZEWin& e) { return ui::headless::Of(e.Widget()); }

  ui::headless::THeadlessBackend backend;
};

}  // namespace zorn::test
