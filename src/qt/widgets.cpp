#include "qt/widgets.h"

#include <QPainter>
#include <cmath>

#include "qt/fonts.h"
#include "qt/main_window.h"

namespace orv {

QColor ToQColor(Colore c) {
  return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

int Px(double twips) {
  return static_cast<int>(std::lround(twips / 15.0));
}

QRect PxRect(const Control& c) {
  const int l = Px(c.left()), t = Px(c.top());
  return QRect(l, t, Px(c.left() + c.width()) - l, Px(c.top() + c.height()) - t);
}

namespace {

// The toolkit's labels break a caption at blanks when it is wider than the label; the blanks
// of a line that fits are kept, so that "  5  " stays centred on its cell.
QStringList Wrap(const QString& text, const QFontMetrics& fm, int width) {
  QStringList out;
  for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
    QString line;
    qsizetype i = 0;
    const qsizetype n = paragraph.size();
    while (i < n) {
      // The next word with the blanks before it.
      qsizetype j = i;
      while (j < n && paragraph[j] == QLatin1Char(' ')) ++j;
      while (j < n && paragraph[j] != QLatin1Char(' ')) ++j;
      const QString piece = paragraph.mid(i, j - i);
      const bool lineHasWord = !line.trimmed().isEmpty();
      if (lineHasWord && fm.horizontalAdvance(line + piece.trimmed()) > width) {
        out << line;
        line = piece.trimmed();
      } else {
        line += piece;
      }
      i = j;
    }
    out << line;
  }
  return out;
}

}  // namespace

void MouseBridge::press(QMouseEvent* e) {
  window_->mouse(control_, MouseAction::Down, *e);
}

void MouseBridge::release(QMouseEvent* e, bool inside) {
  const bool click = inside && !afterDoubleClick_;
  afterDoubleClick_ = false;
  window_->mouse(control_, MouseAction::Up, *e);
  if (click) window_->mouse(control_, MouseAction::Click, *e);
}

void MouseBridge::move(QMouseEvent* e) {
  window_->mouse(control_, MouseAction::Move, *e);
}

void MouseBridge::doubleClick(QMouseEvent* e) {
  afterDoubleClick_ = true;
  window_->mouse(control_, MouseAction::DoubleClick, *e);
}

LabelView::LabelView(MainWindow* window, Lookup control, Qt::Alignment alignment, bool wrap,
                     QWidget* parent)
    : QWidget(parent), mouse_(window, std::move(control)), alignment_(alignment), wrap_(wrap) {
  setMouseTracking(true);
}

int LabelView::textWidth() const {
  return QFontMetrics(font()).horizontalAdvance(text_) + (border_ ? 2 : 0);
}

void LabelView::mirror(const Control& c) {
  text_ = QString::fromStdString(c.caption());
  fore_ = ToQColor(c.foreColor());
  back_ = ToQColor(c.backColor());
  border_ = c.border();
  enabled_ = c.enabled();
  setFont(ToQFont(c.font()));
  update();
}

void LabelView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), back_);
  QRect area = rect();
  if (border_) {
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    area.adjust(1, 1, -1, -1);
  }
  if (text_.isEmpty()) return;
  p.setFont(font());
  const QFontMetrics fm(font());
  const QStringList lines = wrap_ ? Wrap(text_, fm, area.width()) : text_.split(QLatin1Char('\n'));
  const int lineHeight = fm.height();
  int y = area.top();
  if (alignment_ & Qt::AlignVCenter) y += (area.height() - lineHeight * lines.size()) / 2;
  p.setPen(enabled_ ? fore_ : QColor(0x80, 0x80, 0x80));
  for (const QString& line : lines) {
    const int w = fm.horizontalAdvance(line);
    int x = area.left();
    if (alignment_ & Qt::AlignHCenter) x += (area.width() - w) / 2;
    if (alignment_ & Qt::AlignRight) x = area.right() + 1 - w;
    p.drawText(x, y + fm.ascent(), line);
    y += lineHeight;
  }
}

PictureView::PictureView(MainWindow* window, Lookup control, QWidget* parent)
    : QWidget(parent), mouse_(window, std::move(control)) {}

void PictureView::mirror(const PictureBox& c) {
  lines_.clear();
  for (const std::string& l : c.lines()) lines_ << QString::fromStdString(l);
  fore_ = ToQColor(c.foreColor());
  back_ = ToQColor(c.backColor());
  border_ = c.border();
  setFont(ToQFont(c.font()));
  if (c.picture() != pictureName_) {
    pictureName_ = c.picture();
    if (pictureName_.empty())
      picture_.load(QByteArray());
    else
      picture_.load(QStringLiteral(":/") + QString::fromStdString(pictureName_) +
                    QStringLiteral(".svg"));
  }
  update();
}

void PictureView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), back_);
  if (picture_.isValid()) {
    p.setRenderHint(QPainter::Antialiasing);
    picture_.render(&p, QRectF(rect()));
  }
  if (!lines_.isEmpty()) {
    p.setFont(font());
    p.setPen(fore_);
    const QFontMetrics fm(font());
    int y = 0;
    for (const QString& line : lines_) {
      p.drawText(0, y + fm.ascent(), line);
      y += fm.height();
    }
  }
  if (border_) {
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

FrameView::FrameView(QWidget* parent) : QWidget(parent) {}

void FrameView::mirror(const Control& c) {
  caption_ = QString::fromStdString(c.caption());
  fore_ = ToQColor(c.foreColor());
  back_ = ToQColor(c.backColor());
  setFont(ToQFont(c.font()));
  update();
}

void FrameView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), back_);
  const QFontMetrics fm(font());
  const int top = caption_.isEmpty() ? 0 : fm.height() / 2;
  const QRect box(0, top, width() - 2, height() - top - 2);
  p.setPen(QColor(0xA0, 0xA0, 0xA0));
  p.drawRect(box);
  p.setPen(Qt::white);
  p.drawRect(box.translated(1, 1));
  if (caption_.isEmpty()) return;
  const int w = fm.horizontalAdvance(caption_);
  p.fillRect(QRect(6, 0, w + 4, fm.height()), back_);
  p.setFont(font());
  p.setPen(isEnabled() ? fore_ : QColor(0x80, 0x80, 0x80));
  p.drawText(8, fm.ascent(), caption_);
}

ShapeView::ShapeView(MainWindow* window, Lookup control, QWidget* parent)
    : QWidget(parent), mouse_(window, std::move(control)) {}

void ShapeView::mirror(const Shape& c) {
  fill_ = ToQColor(c.fillColor());
  outline_ = ToQColor(c.foreColor());
  update();
}

void ShapeView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(outline_, 1));
  p.setBrush(fill_);
  const int side = std::min(width(), height());
  const QRectF circle((width() - side) / 2.0 + 0.5, (height() - side) / 2.0 + 0.5, side - 1.0,
                      side - 1.0);
  p.drawEllipse(circle);
}

ButtonView::ButtonView(MainWindow* window, Lookup control, QWidget* parent)
    : QPushButton(parent), mouse_(window, std::move(control)) {
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
  connect(this, &QPushButton::clicked, this, [this] { mouse_.window()->click(mouse_.control()); });
}

// The toolkit reports the press first, then the release, then the click; QPushButton emits its
// click from inside the release, so the release is passed on before it.
void ButtonView::mousePressEvent(QMouseEvent* e) {
  mouse_.press(e);
  QPushButton::mousePressEvent(e);
}

void ButtonView::mouseReleaseEvent(QMouseEvent* e) {
  mouse_.release(e, false);
  QPushButton::mouseReleaseEvent(e);
}

void ButtonView::mouseMoveEvent(QMouseEvent* e) {
  mouse_.move(e);
  QPushButton::mouseMoveEvent(e);
}

// A double click on a button is a second press, unless the program listens for double clicks.
void ButtonView::mouseDoubleClickEvent(QMouseEvent* e) {
  Control* c = mouse_.control()();
  if (c != nullptr && c->onDblClick)
    mouse_.doubleClick(e);
  else
    mousePressEvent(e);
}

GridOverlay::GridOverlay(const Form1& f, QWidget* parent) : QWidget(parent), f_(f) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
}

void GridOverlay::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // Axis-parallel lines as filled bands centred on their coordinate, stretched by half their
  // width at both ends so that thick lines meet in clean corners.
  auto band = [&](const Line& l) {
    const int w = std::max(1, l.borderWidth());
    const QColor colour = ToQColor(l.foreColor());
    const int x1 = Px(std::min(l.x1(), l.x2())), x2 = Px(std::max(l.x1(), l.x2()));
    const int y1 = Px(std::min(l.y1(), l.y2())), y2 = Px(std::max(l.y1(), l.y2()));
    if (y1 == y2)
      p.fillRect(QRect(x1 - w / 2, y1 - w / 2, x2 - x1 + w, w), colour);
    else if (x1 == x2)
      p.fillRect(QRect(x1 - w / 2, y1 - w / 2, w, y2 - y1 + w), colour);
    else {
      p.setPen(QPen(colour, w));
      p.drawLine(Px(l.x1()), Px(l.y1()), Px(l.x2()), Px(l.y2()));
    }
  };
  for (const ControlArray<Line>* lines : {&f_.liO, &f_.liV}) {
    for (int i = 0; i < lines->upperBound(); ++i)
      if (lines->loaded(i) && (*lines)[i].visible()) band((*lines)[i]);
  }
  p.setRenderHint(QPainter::Antialiasing);
  for (const Disegno& d : f_.surface.drawings()) {
    p.setPen(QPen(ToQColor(d.colore), std::max(1, d.spessore)));
    if (d.tipo == Disegno::Tipo::Cerchio) {
      p.setBrush(d.pieno ? QBrush(ToQColor(d.colore)) : QBrush(Qt::NoBrush));
      const double r = d.raggio / 15.0;
      p.drawEllipse(QPointF(d.x1 / 15.0, d.y1 / 15.0), r, r);
    } else {
      p.drawLine(QPointF(d.x1 / 15.0, d.y1 / 15.0), QPointF(d.x2 / 15.0, d.y2 / 15.0));
    }
  }
}

}  // namespace orv
