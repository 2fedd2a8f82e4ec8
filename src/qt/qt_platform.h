// The Platform of the real program: Qt dialogs, the system clock, the event loop.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <random>

#include "toolkit/platform.h"

namespace orv {

class QtPlatform : public Platform {
 public:
  QtPlatform();

  // The window that parents the dialogs and the sync that mirrors the controls into it; the
  // program sets both once the window exists.
  void setWindow(QWidget* window, std::function<void()> sync, std::function<void()> repaint);

  MsgResult messageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                       bool informationIcon) override;
  std::optional<std::string> openFileDialog(const FileDialog& d) override;
  std::optional<std::string> saveFileDialog(const FileDialog& d) override;
  void beep() override;
  void processEvents() override;
  void repaintNow() override;
  double secondsSinceMidnight() override;
  void randomize() override;
  double random() override;
  std::string currentFolder() override;
  bool setCurrentFolder(const std::string& folder) override;
  int runCommand(const std::string& commandLine) override;
  bool showHelp(const std::string& helpFile) override;

  // How often pending events may run at most while a long procedure asks for it.
  static constexpr int kPumpIntervalMs = 25;

 private:
  std::optional<std::string> fileDialog(const FileDialog& d, bool save);
  void syncWindow();

  QPointer<QWidget> window_;
  std::function<void()> sync_;
  std::function<void()> repaint_;
  QElapsedTimer sincePump_;
  bool pumping_ = false;
  std::mt19937_64 rng_;
  std::uint64_t semine_ = 0;
};

// "Sudoku (*.sud)|*.sud" (pairs of description and pattern) as Qt's name filters.
QStringList NameFilters(const std::string& filter);

}  // namespace orv
