// The running program: its platform, the game and the main window, started in the program's
// order (handlers wired, the window's start-up with its reset, then the widgets that mirror it).
#pragma once

#include <memory>

#include "model/gioco.h"
#include "qt/main_window.h"
#include "qt/qt_platform.h"

namespace orv {

class Program {
 public:
  // A QApplication must exist.
  Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Gioco& gioco() { return g_; }
  MainWindow& window() { return *window_; }
  QtPlatform& platform() { return platform_; }

 private:
  QtPlatform platform_;
  Gioco g_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace orv
