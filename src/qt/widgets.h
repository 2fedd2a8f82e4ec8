// The widgets that mirror controls Qt has no close match for: labels and picture boxes drawn
// the way the toolkit we follow draws them, the round semaphore, the buttons that report
// presses and releases, and the layer with the grid lines and the drawings of the window.
#pragma once

#include <QMouseEvent>
#include <QPushButton>
#include <QSvgRenderer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "model/form1.h"
#include "toolkit/controls.h"

namespace orv {

class MainWindow;

// Finds the control a widget mirrors, nullptr once it has been unloaded: a widget never keeps a
// pointer that a handler may have invalidated.
using Lookup = std::function<Control*()>;

QColor ToQColor(Colore c);
// Twips to device-independent pixels (15 twips a pixel at 96 dpi).
int Px(double twips);
// A control's rectangle in pixels, edges rounded separately so that neighbours never overlap.
QRect PxRect(const Control& c);

// Passes the mouse to the control's handlers: press, release, pointer moves, click (a release
// over the widget) and double click, in the toolkit's order.
class MouseBridge {
 public:
  MouseBridge(MainWindow* window, Lookup control) : window_(window), control_(std::move(control)) {}
  void press(QMouseEvent* e);
  void release(QMouseEvent* e, bool inside);
  void move(QMouseEvent* e);
  void doubleClick(QMouseEvent* e);
  MainWindow* window() const { return window_; }
  const Lookup& control() const { return control_; }

 private:
  MainWindow* window_;
  Lookup control_;
  // A double click is followed by a release that ends no click.
  bool afterDoubleClick_ = false;
};

// A text label: caption on its background, optional thin frame, words wrapped to its width.
class LabelView : public QWidget {
 public:
  // `wrap`: break the caption at blanks to fit the width (the cells); other labels keep their
  // caption on one line.
  LabelView(MainWindow* window, Lookup control, Qt::Alignment alignment, bool wrap,
            QWidget* parent);
  void mirror(const Control& c);
  const QString& text() const { return text_; }
  // The width the caption needs on one line.
  int textWidth() const;
  Qt::Alignment alignment() const { return alignment_; }
  bool wraps() const { return wrap_; }
  QColor background() const { return back_; }
  QColor foreground() const { return fore_; }
  bool framed() const { return border_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override { mouse_.press(e); }
  void mouseReleaseEvent(QMouseEvent* e) override {
    mouse_.release(e, rect().contains(e->position().toPoint()));
  }
  void mouseMoveEvent(QMouseEvent* e) override { mouse_.move(e); }
  void mouseDoubleClickEvent(QMouseEvent* e) override { mouse_.doubleClick(e); }

 private:
  MouseBridge mouse_;
  Qt::Alignment alignment_;
  bool wrap_;
  QString text_;
  QColor fore_, back_;
  bool border_ = false;
  bool enabled_ = true;
};

// A picture box: its printed lines from the top, or its picture stretched over it.
class PictureView : public QWidget {
 public:
  PictureView(MainWindow* window, Lookup control, QWidget* parent);
  void mirror(const PictureBox& c);
  const QStringList& lines() const { return lines_; }
  const std::string& picture() const { return pictureName_; }
  bool hasPicture() const { return picture_.isValid(); }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override { mouse_.press(e); }
  void mouseReleaseEvent(QMouseEvent* e) override {
    mouse_.release(e, rect().contains(e->position().toPoint()));
  }
  void mouseMoveEvent(QMouseEvent* e) override { mouse_.move(e); }
  void mouseDoubleClickEvent(QMouseEvent* e) override { mouse_.doubleClick(e); }

 private:
  MouseBridge mouse_;
  QStringList lines_;
  QColor fore_, back_;
  bool border_ = false;
  std::string pictureName_;
  QSvgRenderer picture_;
};

// A frame: an etched border with its caption set into the top edge, on its back colour.
class FrameView : public QWidget {
 public:
  explicit FrameView(QWidget* parent);
  void mirror(const Control& c);
  const QString& caption() const { return caption_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QString caption_;
  QColor fore_, back_;
};

// The filled circle of the semaphore.
class ShapeView : public QWidget {
 public:
  ShapeView(MainWindow* window, Lookup control, QWidget* parent);
  void mirror(const Shape& c);
  QColor fill() const { return fill_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override { mouse_.press(e); }
  void mouseReleaseEvent(QMouseEvent* e) override {
    mouse_.release(e, rect().contains(e->position().toPoint()));
  }

 private:
  MouseBridge mouse_;
  QColor fill_, outline_;
};

// A command button: the press and the release reach the handlers as well as the click.
class ButtonView : public QPushButton {
 public:
  ButtonView(MainWindow* window, Lookup control, QWidget* parent);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  MouseBridge mouse_;
};

// Over the cells: the grid lines liO / liV and whatever the program drew on the window surface.
// It reads the controls when it paints; the window repaints it when they change.
class GridOverlay : public QWidget {
 public:
  GridOverlay(const Form1& f, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  const Form1& f_;
};

}  // namespace orv
