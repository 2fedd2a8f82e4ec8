// The main window: every control of Form1 as a real widget, kept in step with the controls.
//
// The core changes plain data; this window mirrors it lazily. After every handler it calls
// returns (and when the core asks for a repaint, lets events run or opens a dialog) it walks the
// controls and updates only the widgets whose control changed since the last look. Real events
// go the other way: clicks, presses, releases, pointer moves, double clicks, keys and timer ticks
// become calls of the handlers the core set on its controls.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "model/gioco.h"
#include "qt/widgets.h"

class QAction;

namespace orv {

enum class MouseAction { Down, Up, Move, Click, DoubleClick };

class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(Gioco& g, QWidget* parent = nullptr);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Brings every widget whose control changed up to date.
  void sync();
  // sync(), then paints the widgets it changed before returning.
  void repaintNow();

  // From the widgets: a click, or a mouse event in the toolkit's terms.
  void click(const Lookup& control);
  void mouse(const Lookup& control, MouseAction action, const QMouseEvent& e);

  // The widget mirroring a control ("Azzera", "caN(40)"), the action of a menu item ("mSoluz").
  QWidget* widget(const std::string& fullName) const;
  QAction* action(const std::string& menuName) const;
  // The area the controls are placed on (twips / 15 from its top-left corner).
  QWidget* surface() const { return surface_; }
  // What the status line shows now: empty, or the note that an action is not built yet.
  QString statusText() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static constexpr std::uint64_t kNever = std::numeric_limits<std::uint64_t>::max();

  struct Mirror {
    Lookup find;
    // Valid while the array it belongs to keeps its structure (sync checks that first).
    Control* control = nullptr;
    QPointer<QWidget> widget;
    std::string container;
    bool arrayMember = false;
    std::uint64_t revision = kNever;
  };
  struct ArrayMirror {
    std::uint64_t structure = kNever;
    // The array's change count at the last sync: while it stands, no member needs looking at.
    std::uint64_t changes = kNever;
    std::vector<Mirror> members;
  };
  struct MenuMirror {
    MenuItem* item;
    QAction* action;
    std::uint64_t revision = kNever;
  };
  struct TimerMirror {
    Timer* timer;
    QTimer* qtimer;
    std::uint64_t revision = kNever;
  };

  void buildMenus();
  void buildTimers();
  Mirror makeMirror(Control& c, Lookup find, bool arrayMember);
  QWidget* createWidget(Control& c, const Lookup& find);
  QWidget* containerWidget(const std::string& name) const;
  void apply(Mirror& m);
  void applyMenu(MenuMirror& m);
  void applyTimer(TimerMirror& m);
  template <class T>
  void syncArray(ControlArray<T>& arr, ArrayMirror& am);
  void syncOverlay();
  void syncWindowState();
  void dropWidget(Mirror& m);
  // The widget shows what the user did to it; after the handler it must show the control again
  // even when the control did not change.
  void force(QWidget* w);
  void changed(QWidget* w);

  void optionClicked(const Lookup& find, QWidget* w);
  void checkClicked(const Lookup& find, QWidget* w);
  void comboChosen(const Lookup& find, QWidget* w, int index);
  void listClicked(const Lookup& find, QWidget* w, int row);
  void menuTriggered(std::size_t index);
  void timerTick(std::size_t index);
  bool shortcut(const std::string& key);
  // A click, key or menu item that reached no behaviour: the player is told so on the status
  // line instead of seeing nothing happen.
  void notAvailable(const std::string& what);

  Gioco& g_;
  QWidget* surface_ = nullptr;
  GridOverlay* overlay_ = nullptr;
  std::vector<Mirror> singles_;
  std::vector<ArrayMirror> arrays_;
  std::vector<MenuMirror> menus_;
  std::vector<TimerMirror> timers_;
  std::vector<std::uint64_t> overlaySignature_;
  std::string caption_;
  bool hourglass_ = false;
  bool syncing_ = false;
  // While repaintNow() runs: the widgets sync changed.
  bool collecting_ = false;
  std::vector<QPointer<QWidget>> changed_;
  // A key event ignored by a widget travels on to its parents; it reaches the handlers once.
  const QEvent* lastKey_ = nullptr;
  QPointer<QWidget> lastKeyReceiver_;
};

}  // namespace orv
