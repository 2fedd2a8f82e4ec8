// What lies outside the program: dialogs, the clock, randomness, the event loop, the shell.
#pragma once

#include <optional>
#include <string>

namespace orv {

enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgResult { Ok, Cancel, Yes, No };

struct FileDialog {
  std::string title;
  // Filter as the dialog shows it, e.g. "Sudoku (*.sud)|*.sud".
  std::string filter;
  std::string defaultExtension;
  std::string initialFolder;
  std::string fileName;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Modal; returns the button pressed.
  virtual MsgResult messageBox(const std::string& text, const std::string& title,
                               MsgButtons buttons, bool informationIcon) = 0;
  // The chosen path, or nothing when the user cancelled.
  virtual std::optional<std::string> openFileDialog(const FileDialog& d) = 0;
  virtual std::optional<std::string> saveFileDialog(const FileDialog& d) = 0;
  virtual void beep() = 0;
  // Let pending window events run (timers, buttons, keys may be handled right here).
  virtual void processEvents() = 0;
  // Repaint the window now, before control returns to the event loop.
  virtual void repaintNow() = 0;
  virtual double secondsSinceMidnight() = 0;
  // Seeds the random source from the clock.
  virtual void randomize() = 0;
  // Uniform in [0, 1).
  virtual double random() = 0;
  virtual std::string currentFolder() = 0;
  virtual bool setCurrentFolder(const std::string& folder) = 0;
  // Starts a command line; returns a task number, 0 when it could not start.
  virtual int runCommand(const std::string& commandLine) = 0;
  // Opens the application help file; false when it cannot be shown.
  virtual bool showHelp(const std::string& helpFile) = 0;
};

}  // namespace orv
