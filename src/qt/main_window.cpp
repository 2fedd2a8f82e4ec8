#include "qt/main_window.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <algorithm>
#include <map>
#include <set>

#include "qt/fonts.h"
#include "qt/keys.h"

namespace orv {

namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// Back colours fill the widget in every state; text colours are set for the active and the
// inactive window only, so that disabled controls keep the style's grey text.
void SetColours(QWidget* w, std::initializer_list<QPalette::ColorRole> backRoles, QColor back,
                std::initializer_list<QPalette::ColorRole> foreRoles, QColor fore) {
  QPalette p = w->palette();
  for (QPalette::ColorRole r : backRoles) p.setColor(r, back);
  for (QPalette::ColorRole r : foreRoles) {
    p.setColor(QPalette::Active, r, fore);
    p.setColor(QPalette::Inactive, r, fore);
  }
  if (p != w->palette()) w->setPalette(p);
}

void SetFont(QWidget* w, const Font& f) {
  const QFont q = ToQFont(f);
  if (q != w->font()) w->setFont(q);
}

Qt::Alignment LabelAlignment(const std::string& name) {
  // Cells, headings, the counter and the semaphore caption sit in the middle of their label;
  // every other label reads from its top-left corner.
  if (name == "caN" || name == "ri" || name == "co" || name == "SemaLab" || name == "Fatti")
    return Qt::AlignCenter;
  return Qt::AlignLeft | Qt::AlignTop;
}

bool Lightweight(const Control& c) {
  switch (c.kind()) {
    case Kind::Label:
    case Kind::Shape:
    case Kind::Line:
      return true;
    case Kind::PictureBox:
      return !static_cast<const PictureBox&>(c).picture().empty();
    default:
      return false;
  }
}

// The text box that only kept the keyboard focus on the window: the key filter does that here.
bool NotShown(const Control& c) {
  return c.name() == "Civetta";
}

MouseButton ButtonOf(Qt::MouseButton b) {
  switch (b) {
    case Qt::RightButton:
      return MouseButton::Right;
    case Qt::MiddleButton:
      return MouseButton::Middle;
    default:
      return MouseButton::Left;
  }
}

// During a pointer move the toolkit passes the buttons held as bits (0 when none).
MouseButton ButtonsHeld(Qt::MouseButtons b) {
  int bits = 0;
  if (b & Qt::LeftButton) bits |= static_cast<int>(MouseButton::Left);
  if (b & Qt::RightButton) bits |= static_cast<int>(MouseButton::Right);
  if (b & Qt::MiddleButton) bits |= static_cast<int>(MouseButton::Middle);
  return static_cast<MouseButton>(bits);
}

}  // namespace

MainWindow::MainWindow(Gioco& g, QWidget* parent) : QMainWindow(parent), g_(g) {
  surface_ = new QWidget(this);
  surface_->setFixedSize(Px(g.f.width), Px(g.f.height));
  surface_->setAutoFillBackground(true);
  SetColours(surface_, {QPalette::Window}, ToQColor(kFacciaPulsante), {QPalette::WindowText},
             ToQColor(kTestoPulsante));
  // Keys go to the window's handlers; the surface keeps the focus so that no button or option
  // takes them for itself.
  surface_->setFocusPolicy(Qt::StrongFocus);
  setCentralWidget(surface_);
  // The status line is there from the start, so that the window keeps its size when it first
  // has something to say.
  statusBar()->setSizeGripEnabled(false);

  // Bottom to top: the grid lines over nothing, every single control above them; the cells and
  // headings (array members) are slid under the lines as they are made.
  overlay_ = new GridOverlay(g_.f, surface_);
  overlay_->setGeometry(surface_->rect());
  for (Control* c : g_.f.controlli()) {
    if (c->index() >= 0 || c->kind() == Kind::MenuItem || c->kind() == Kind::Timer) continue;
    singles_.push_back(makeMirror(
        *c, [c] { return c; }, false));
  }
  // Containers can come after what they hold in the list: parent everything once all exist.
  for (Mirror& m : singles_) {
    if (!m.widget) continue;
    m.container = m.control->container();
    if (!m.container.empty()) m.widget->setParent(containerWidget(m.container));
  }
  // As in the toolkit we follow, labels, shapes and pictures lie under the controls that are
  // windows of their own (buttons, lists, boxes, frames) wherever the two overlap.
  for (Mirror& m : singles_)
    if (m.widget && !Lightweight(*m.control)) m.widget->raise();
  buildMenus();
  buildTimers();
  sync();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  qApp->installEventFilter(this);
  surface_->setFocus();
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(this);
  if (hourglass_) QApplication::restoreOverrideCursor();
}

QWidget* MainWindow::containerWidget(const std::string& name) const {
  for (const Mirror& m : singles_)
    if (m.widget && m.control->name() == name &&
        (m.control->kind() == Kind::Frame || m.control->kind() == Kind::PictureBox))
      return m.widget;
  return surface_;
}

MainWindow::Mirror MainWindow::makeMirror(Control& c, Lookup find, bool arrayMember) {
  Mirror m;
  m.control = &c;
  m.find = std::move(find);
  m.arrayMember = arrayMember;
  m.widget = createWidget(c, m.find);
  if (m.widget && arrayMember) {
    m.container = c.container();
    QWidget* parent = m.container.empty() ? surface_ : containerWidget(m.container);
    m.widget->setParent(parent);
    if (parent == surface_) m.widget->stackUnder(overlay_);
  }
  return m;
}

QWidget* MainWindow::createWidget(Control& c, const Lookup& find) {
  if (NotShown(c)) return nullptr;
  QWidget* w = nullptr;
  switch (c.kind()) {
    case Kind::Label:
      w = new LabelView(this, find, LabelAlignment(c.name()), c.name() == "caN", surface_);
      break;
    case Kind::Button:
      w = new ButtonView(this, find, surface_);
      break;
    case Kind::OptionButton: {
      auto* r = new QRadioButton(surface_);
      // The group of the controls decides which option is selected, not Qt.
      r->setAutoExclusive(false);
      r->setAutoFillBackground(true);
      connect(r, &QRadioButton::clicked, this, [this, find, r] { optionClicked(find, r); });
      w = r;
      break;
    }
    case Kind::CheckBox: {
      auto* b = new QCheckBox(surface_);
      b->setAutoFillBackground(true);
      connect(b, &QCheckBox::clicked, this, [this, find, b] { checkClicked(find, b); });
      w = b;
      break;
    }
    case Kind::ComboBox: {
      auto* b = new QComboBox(surface_);
      b->setEditable(true);
      b->setInsertPolicy(QComboBox::NoInsert);
      b->lineEdit()->setFocusPolicy(Qt::NoFocus);
      b->view()->setMinimumWidth(48);
      connect(b, &QComboBox::activated, this, [this, find, b](int i) { comboChosen(find, b, i); });
      w = b;
      break;
    }
    case Kind::ListBox: {
      auto* l = new QListWidget(surface_);
      l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      l->setSelectionMode(QAbstractItemView::SingleSelection);
      l->setFrameShape(QFrame::NoFrame);
      connect(l, &QListWidget::itemClicked, this,
              [this, find, l](QListWidgetItem* item) { listClicked(find, l, l->row(item)); });
      w = l;
      break;
    }
    case Kind::TextBox: {
      auto* e = new QLineEdit(surface_);
      connect(e, &QLineEdit::textEdited, this, [this, find](const QString& text) {
        // Typing is the text box's own behaviour; the program reads the text when it needs it.
        if (Control* t = find()) t->setCaption(text.toStdString());
        sync();
      });
      w = e;
      break;
    }
    case Kind::Frame:
      w = new FrameView(surface_);
      break;
    case Kind::PictureBox:
      w = new PictureView(this, find, surface_);
      break;
    case Kind::Shape:
      w = new ShapeView(this, find, surface_);
      break;
    case Kind::Line:
    case Kind::MenuItem:
    case Kind::Timer:
      return nullptr;
  }
  if (c.kind() != Kind::TextBox) w->setFocusPolicy(Qt::NoFocus);
  return w;
}

void MainWindow::buildMenus() {
  std::set<std::string> parents;
  for (const MenuItem* m : g_.f.menu) parents.insert(m->parent());
  std::map<std::string, QMenu*> menus;
  for (std::size_t i = 0; i < g_.f.menu.size(); ++i) {
    MenuItem& m = *g_.f.menu[i];
    QMenu* parent = nullptr;
    if (auto it = menus.find(m.parent()); it != menus.end()) parent = it->second;
    QAction* a = nullptr;
    if (parents.count(m.name()) != 0) {
      QMenu* sub = parent ? parent->addMenu(Q(m.caption())) : menuBar()->addMenu(Q(m.caption()));
      menus[m.name()] = sub;
      a = sub->menuAction();
    } else if (m.separator()) {
      a = parent ? parent->addSeparator() : menuBar()->addSeparator();
    } else {
      a = parent ? parent->addAction(Q(m.caption())) : menuBar()->addAction(Q(m.caption()));
      connect(a, &QAction::triggered, this, [this, i] { menuTriggered(i); });
    }
    menus_.push_back({&m, a, kNever});
  }
}

void MainWindow::buildTimers() {
  std::size_t i = 0;
  for (Control* c : g_.f.controlli()) {
    if (c->kind() != Kind::Timer) continue;
    auto* q = new QTimer(this);
    const std::size_t index = i++;
    connect(q, &QTimer::timeout, this, [this, index] { timerTick(index); });
    timers_.push_back({static_cast<Timer*>(c), q, kNever});
  }
}

void MainWindow::changed(QWidget* w) {
  if (collecting_ && w) changed_.emplace_back(w);
}

void MainWindow::sync() {
  if (syncing_) return;
  syncing_ = true;
  for (Mirror& m : singles_) {
    if (m.widget && m.control->revision() != m.revision) apply(m);
  }
  std::size_t k = 0;
  g_.f.perOgniArray([&](auto& arr) {
    if (arrays_.size() <= k) arrays_.resize(k + 1);
    syncArray(arr, arrays_[k++]);
  });
  for (MenuMirror& m : menus_)
    if (m.item->revision() != m.revision) applyMenu(m);
  for (TimerMirror& t : timers_)
    if (t.timer->revision() != t.revision) applyTimer(t);
  syncOverlay();
  syncWindowState();
  syncing_ = false;
}

template <class T>
void MainWindow::syncArray(ControlArray<T>& arr, ArrayMirror& am) {
  // Grid lines are painted by the overlay.
  if constexpr (std::is_same_v<T, Line>) {
    return;
  } else {
    if (arr.changes() == am.changes && arr.structure() == am.structure) return;
    if (arr.structure() != am.structure) {
      // Members were loaded or unloaded: a pointer kept for a member may now belong to another
      // object, so every member past the first gets a new mirror.
      for (std::size_t i = 1; i < am.members.size(); ++i) dropWidget(am.members[i]);
      am.members.resize(1);
      if (!am.members[0].control)
        am.members[0] = makeMirror(
            arr[0], [&arr] { return static_cast<Control*>(&arr[0]); }, true);
      for (int i = 1; i < arr.upperBound(); ++i) {
        am.members.emplace_back();
        if (arr.loaded(i))
          am.members.back() = makeMirror(
              arr[i], [&arr, i]() -> Control* { return arr.loaded(i) ? &arr[i] : nullptr; }, true);
      }
      am.structure = arr.structure();
    }
    for (Mirror& m : am.members)
      if (m.widget && m.control->revision() != m.revision) apply(m);
    am.changes = arr.changes();
  }
}

void MainWindow::dropWidget(Mirror& m) {
  if (m.widget) {
    // A handler of this very widget may be running: it goes once control is back in the loop.
    m.widget->hide();
    m.widget->deleteLater();
  }
  m = Mirror{};
}

void MainWindow::force(QWidget* w) {
  for (Mirror& m : singles_)
    if (m.widget == w) m.revision = kNever;
  for (ArrayMirror& a : arrays_)
    for (Mirror& m : a.members)
      if (m.widget == w) {
        m.revision = kNever;
        a.changes = kNever;
      }
}

void MainWindow::apply(Mirror& m) {
  Control& c = *m.control;
  QWidget* w = m.widget;
  m.revision = c.revision();
  changed(w);
  if (c.container() != m.container) {
    m.container = c.container();
    QWidget* parent = m.container.empty() ? surface_ : containerWidget(m.container);
    w->setParent(parent);
    if (parent == surface_ && m.arrayMember) w->stackUnder(overlay_);
  }
  if (!c.visible()) {
    // A hidden control is brought fully up to date when it shows again (that is a change too).
    w->hide();
    return;
  }
  const QRect r = PxRect(c);
  if (w->geometry() != r) w->setGeometry(r);
  w->setEnabled(c.enabled());
  const QString tip = Q(c.tooltip());
  if (w->toolTip() != tip) w->setToolTip(tip);
  const QColor back = ToQColor(c.backColor()), fore = ToQColor(c.foreColor());
  switch (c.kind()) {
    case Kind::Label: {
      auto* l = static_cast<LabelView*>(w);
      l->mirror(c);
      // A caption longer than its label widens it, as a label sized to its caption would be:
      // " 2 Errori" and the counter must be read whole.
      const int extra = l->wraps() ? 0 : l->textWidth() - r.width();
      if (extra > 0) {
        QRect wide = r;
        if (l->alignment() & Qt::AlignHCenter)
          wide.adjust(-extra / 2, 0, extra - extra / 2, 0);
        else
          wide.setWidth(r.width() + extra);
        w->setGeometry(wide);
      }
      break;
    }
    case Kind::Button: {
      auto* b = static_cast<QPushButton*>(w);
      if (b->text() != Q(c.caption())) b->setText(Q(c.caption()));
      SetFont(b, c.font());
      SetColours(b, {QPalette::Button}, back, {QPalette::ButtonText}, fore);
      break;
    }
    case Kind::OptionButton: {
      auto* r = static_cast<QRadioButton*>(w);
      const QSignalBlocker block(r);
      if (r->text() != Q(c.caption())) r->setText(Q(c.caption()));
      r->setChecked(static_cast<OptionButton&>(c).value());
      SetFont(r, c.font());
      SetColours(r, {QPalette::Window, QPalette::Button}, back,
                 {QPalette::WindowText, QPalette::ButtonText}, fore);
      break;
    }
    case Kind::CheckBox: {
      auto* b = static_cast<QCheckBox*>(w);
      const QSignalBlocker block(b);
      if (b->text() != Q(c.caption())) b->setText(Q(c.caption()));
      b->setChecked(static_cast<CheckBox&>(c).checked());
      SetFont(b, c.font());
      SetColours(b, {QPalette::Window}, back, {QPalette::WindowText, QPalette::ButtonText}, fore);
      break;
    }
    case Kind::ComboBox: {
      auto* b = static_cast<QComboBox*>(w);
      const auto& combo = static_cast<ComboBox&>(c);
      const QSignalBlocker block(b);
      QStringList items;
      for (const std::string& s : combo.items()) items << Q(s);
      QStringList shown;
      for (int i = 0; i < b->count(); ++i) shown << b->itemText(i);
      if (items != shown) {
        b->clear();
        b->addItems(items);
      }
      if (b->currentText() != Q(combo.text())) {
        b->setEditText(Q(combo.text()));
        // A text wider than the box shows its beginning.
        b->lineEdit()->setCursorPosition(0);
      }
      SetFont(b, c.font());
      break;
    }
    case Kind::ListBox: {
      auto* l = static_cast<QListWidget*>(w);
      const auto& list = static_cast<ListBox&>(c);
      const QSignalBlocker block(l);
      // Lines are mostly appended: keep what is already there when it still matches.
      int same = 0;
      while (same < l->count() && same < list.count() &&
             l->item(same)->text() == Q(list.item(same)))
        ++same;
      while (l->count() > same) delete l->takeItem(l->count() - 1);
      for (int i = same; i < list.count(); ++i) l->addItem(Q(list.item(i)));
      if (list.listIndex() < 0) {
        l->clearSelection();
        l->setCurrentRow(-1);
      } else if (l->currentRow() != list.listIndex()) {
        l->setCurrentRow(list.listIndex());
      }
      SetFont(l, c.font());
      SetColours(l, {QPalette::Base, QPalette::Window}, back,
                 {QPalette::Text, QPalette::WindowText}, fore);
      break;
    }
    case Kind::TextBox: {
      auto* e = static_cast<QLineEdit*>(w);
      const QSignalBlocker block(e);
      if (e->text() != Q(c.caption())) e->setText(Q(c.caption()));
      SetFont(e, c.font());
      SetColours(e, {QPalette::Base}, back, {QPalette::Text}, fore);
      break;
    }
    case Kind::Frame:
      static_cast<FrameView*>(w)->mirror(c);
      break;
    case Kind::PictureBox:
      static_cast<PictureView*>(w)->mirror(static_cast<PictureBox&>(c));
      break;
    case Kind::Shape:
      static_cast<ShapeView*>(w)->mirror(static_cast<Shape&>(c));
      break;
    case Kind::Line:
    case Kind::MenuItem:
    case Kind::Timer:
      break;
  }
  w->show();
}

void MainWindow::applyMenu(MenuMirror& m) {
  MenuItem& item = *m.item;
  QAction* a = m.action;
  m.revision = item.revision();
  const QSignalBlocker block(a);
  a->setVisible(item.visible());
  if (item.separator()) return;
  QString text = Q(item.caption());
  if (!item.shortcut().empty()) text += QLatin1Char('\t') + Q(item.shortcut());
  if (a->text() != text) a->setText(text);
  a->setEnabled(item.enabled());
  // Only a ticked item shows a mark; an unticked one looks like any other.
  a->setCheckable(item.checked());
  a->setChecked(item.checked());
}

void MainWindow::applyTimer(TimerMirror& t) {
  t.revision = t.timer->revision();
  const bool run = t.timer->enabled() && t.timer->interval() > 0;
  if (!run) {
    t.qtimer->stop();
  } else if (!t.qtimer->isActive() || t.qtimer->interval() != t.timer->interval()) {
    t.qtimer->start(t.timer->interval());
  }
}

void MainWindow::syncOverlay() {
  std::vector<std::uint64_t> signature;
  signature.reserve(48);
  for (const ControlArray<Line>* lines : {&g_.f.liO, &g_.f.liV}) {
    signature.push_back(lines->structure());
    for (int i = 0; i < lines->upperBound(); ++i)
      signature.push_back(lines->loaded(i) ? (*lines)[i].revision() : kNever);
  }
  signature.push_back(g_.f.surface.revision());
  if (signature != overlaySignature_) {
    overlaySignature_ = std::move(signature);
    overlay_->update();
    changed(overlay_);
  }
}

void MainWindow::syncWindowState() {
  if (g_.f.caption != caption_) {
    caption_ = g_.f.caption;
    setWindowTitle(Q(caption_));
  }
  const bool busy = g_.f.mousePointer == MousePointer::Hourglass;
  if (busy != hourglass_) {
    hourglass_ = busy;
    if (busy)
      QApplication::setOverrideCursor(Qt::WaitCursor);
    else
      QApplication::restoreOverrideCursor();
  }
}

void MainWindow::repaintNow() {
  collecting_ = true;
  sync();
  collecting_ = false;
  std::vector<QPointer<QWidget>> widgets;
  widgets.swap(changed_);
  for (const QPointer<QWidget>& w : widgets) {
    if (!w || !w->isVisible()) continue;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w.data()))
      area->viewport()->repaint();
    else
      w->repaint();
  }
}

void MainWindow::notAvailable(const std::string& what) {
  statusBar()->showMessage(
      QString::fromStdString(what) + QStringLiteral(": non ancora disponibile"), 5000);
}

QString MainWindow::statusText() const {
  return statusBar()->currentMessage();
}

namespace {

// How the status line names a control: by what the player reads on it.
std::string NameForPlayer(const Control& c) {
  if (c.name() == "caN") return "Casella " + std::to_string(c.index());
  if (c.name() == "ListCons") return "Lavagna";
  std::string s = c.caption();
  s.erase(std::remove(s.begin(), s.end(), '&'), s.end());
  return s.empty() ? c.name() : s;
}

}  // namespace

void MainWindow::click(const Lookup& control) {
  Control* c = control();
  if (c == nullptr) return;
  if (!c->onClick) {
    // A control that answers to presses and releases (the hold-down buttons) has its behaviour
    // there.
    if (!c->onMouseDown && !c->onMouseUp) notAvailable(NameForPlayer(*c));
    return;
  }
  // A copy: the handler may rewire the very control it belongs to.
  const Handler h = c->onClick;
  h();
  sync();
}

void MainWindow::mouse(const Lookup& control, MouseAction action, const QMouseEvent& e) {
  Control* c = control();
  if (c == nullptr) return;
  const double x = e.position().x() * 15.0, y = e.position().y() * 15.0;
  const int shift = ShiftState(e.modifiers());
  MouseHandler h;
  MouseButton button = ButtonOf(e.button());
  switch (action) {
    case MouseAction::Down:
      h = c->onMouseDown;
      break;
    case MouseAction::Up:
      h = c->onMouseUp;
      break;
    case MouseAction::Move:
      h = c->onMouseMove;
      button = ButtonsHeld(e.buttons());
      break;
    case MouseAction::Click:
      if (e.button() == Qt::LeftButton)
        click(control);
      else if (!c->onMouseDown && !c->onMouseUp)
        notAvailable(NameForPlayer(*c));
      return;
    case MouseAction::DoubleClick:
      if (e.button() == Qt::LeftButton && c->onDblClick) {
        const Handler d = c->onDblClick;
        d();
        sync();
      }
      return;
  }
  if (!h) return;
  h(button, shift, x, y);
  sync();
}

void MainWindow::optionClicked(const Lookup& find, QWidget* w) {
  force(w);
  if (Control* c = find(); c != nullptr && c->onClick)
    static_cast<OptionButton*>(c)->setValue(true);
  else if (c != nullptr)
    notAvailable(NameForPlayer(*c));
  sync();
}

void MainWindow::checkClicked(const Lookup& find, QWidget* w) {
  force(w);
  if (Control* c = find(); c != nullptr && c->onClick) {
    auto* b = static_cast<CheckBox*>(c);
    b->setChecked(!b->checked());
    const Handler h = c->onClick;
    h();
  } else if (c != nullptr) {
    notAvailable(NameForPlayer(*c));
  }
  sync();
}

void MainWindow::comboChosen(const Lookup& find, QWidget* w, int index) {
  force(w);
  if (Control* c = find()) {
    auto* combo = static_cast<ComboBox*>(c);
    // Choosing from the list is the combo's click; a program that only listens for changes of
    // its text hears it as that.
    const Handler h = combo->onClick ? combo->onClick : combo->onChange;
    if (h && index >= 0 && index < static_cast<int>(combo->items().size())) {
      combo->setText(combo->items()[static_cast<std::size_t>(index)]);
      h();
    } else if (!h) {
      notAvailable(NameForPlayer(*c));
    }
  }
  sync();
}

void MainWindow::listClicked(const Lookup& find, QWidget* w, int row) {
  force(w);
  if (Control* c = find(); c != nullptr && c->onClick) {
    static_cast<ListBox*>(c)->setListIndex(row);
    const Handler h = c->onClick;
    h();
  } else if (c != nullptr) {
    notAvailable(NameForPlayer(*c));
  }
  sync();
}

void MainWindow::menuTriggered(std::size_t index) {
  MenuMirror& m = menus_[index];
  m.revision = kNever;
  const Handler h = m.item->onClick;
  if (h && m.item->enabled())
    h();
  else if (m.item->enabled())
    notAvailable(NameForPlayer(*m.item));
  sync();
}

void MainWindow::timerTick(std::size_t index) {
  Timer& t = *timers_[index].timer;
  const Handler h = t.onTimer;
  if (h && t.enabled()) h();
  sync();
}

bool MainWindow::shortcut(const std::string& key) {
  for (MenuItem* mp : g_.f.menu) {
    MenuItem& m = *mp;
    if (m.shortcut() != key) continue;
    if (m.enabled() && m.visible() && m.onClick) {
      const Handler h = m.onClick;
      h();
    } else if (m.enabled() && m.visible()) {
      notAvailable(NameForPlayer(m));
    }
    return true;
  }
  return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
  if (!watched->isWidgetType()) return false;
  auto* w = static_cast<QWidget*>(watched);
  if (w->window() != this) return false;
  if (event == lastKey_ && lastKeyReceiver_ && w != lastKeyReceiver_ &&
      w->isAncestorOf(lastKeyReceiver_))
    return false;
  lastKey_ = event;
  lastKeyReceiver_ = w;

  const auto* ke = static_cast<const QKeyEvent*>(event);
  const int code = VirtualKey(ke->key(), ke->modifiers());
  const int shift = ShiftState(ke->modifiers());
  if (type == QEvent::KeyRelease) {
    // Auto-repeat sends releases between the repeated presses; the key is still down.
    if (ke->isAutoRepeat()) return false;
    if (const KeyHandler up = g_.f.onKeyUp; up && code >= 0) {
      up(code, shift);
      sync();
    }
    return false;
  }
  if (const KeyHandler down = g_.f.onKeyDown; down && code >= 0) down(code, shift);
  if (const KeyPressHandler press = g_.f.onKeyPress; press) {
    if (const int ascii = TypedCharacter(*ke); ascii >= 0) press(ascii);
  }
  // Keys are the window's: without its handlers a key does nothing yet (modifiers alone never
  // do anything, and the shortcut keys speak for themselves below).
  const bool modifier = code == 16 || code == 17 || code == 18;
  if (!g_.f.onKeyDown && !g_.f.onKeyPress && !g_.f.onKeyUp && code >= 0 && !modifier &&
      code != tasti::F2 && code != tasti::F12)
    notAvailable("Tasto");
  bool consumed = false;
  if (code == tasti::F2)
    consumed = shortcut("F2");
  else if (code == tasti::F12)
    consumed = shortcut("F12");
  sync();
  return consumed;
}

QWidget* MainWindow::widget(const std::string& fullName) const {
  for (const Mirror& m : singles_)
    if (m.control->fullName() == fullName) return m.widget;
  for (const ArrayMirror& a : arrays_)
    for (const Mirror& m : a.members) {
      const Control* c = m.find ? m.find() : nullptr;
      if (c != nullptr && c == m.control && c->fullName() == fullName) return m.widget;
    }
  return nullptr;
}

QAction* MainWindow::action(const std::string& menuName) const {
  for (const MenuMirror& m : menus_)
    if (m.item->name() == menuName) return m.action;
  return nullptr;
}

}  // namespace orv
