// The controls of our small windowing layer, as plain data.
//
// Every control is a value object: the core sets its properties and the Qt side (or a test, or
// the batch tool) reads them. A setter that really changes something bumps the control's
// revision, so a renderer repaints only what changed since it last looked.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace orv {

// Colours are 0xRRGGBB.
using Colore = std::uint32_t;

inline constexpr Colore kBianco = 0xFFFFFF;
inline constexpr Colore kNero = 0x000000;
inline constexpr Colore kRosso = 0xFF0000;
// The desktop's colours; any neutral grey and black serve.
inline constexpr Colore kFacciaPulsante = 0xF0F0F0;
inline constexpr Colore kTestoPulsante = 0x000000;

enum class Kind {
  Label,
  Button,
  OptionButton,
  CheckBox,
  ComboBox,
  ListBox,
  TextBox,
  Frame,
  PictureBox,
  Shape,
  Line,
  MenuItem,
  Timer,
};

enum class MouseButton { Left = 1, Right = 2, Middle = 4 };

// Shift-state bits as the key and mouse handlers receive them.
inline constexpr int kShift = 1;
inline constexpr int kCtrl = 2;
inline constexpr int kAlt = 4;

struct Font {
  std::string name = "MS Sans Serif";
  double size = 8.25;
  bool bold = false;
  bool italic = false;
  // The size first: the cells switch between two fonts of different sizes many times a run, and
  // the size alone tells them apart.
  bool operator==(const Font& o) const {
    return size == o.size && bold == o.bold && italic == o.italic && name == o.name;
  }
};

// Handlers. A control whose handler is empty has no behaviour yet: the session driver reports
// that instead of silently doing nothing. Controls that really do nothing get an empty lambda.
using Handler = std::function<void()>;
using MouseHandler = std::function<void(MouseButton button, int shift, double x, double y)>;

// What a control array counts of its members' changes: all of them, and those of the background
// colour alone.
struct ContaModifiche {
  std::uint64_t tutte = 0;
  std::uint64_t sfondi = 0;
};

class Control {
 public:
  Control(Kind kind, std::string name, int index = -1)
      : kind_(kind), name_(std::move(name)), index_(index) {}
  virtual ~Control() = default;
  Control(const Control&) = default;
  Control& operator=(const Control&) = default;

  Kind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  // Index inside its control array, -1 for a single control.
  int index() const { return index_; }
  // "caN(3)" for array members, the plain name otherwise.
  std::string fullName() const;
  std::uint64_t revision() const { return revision_; }

  const std::string& caption() const { return caption_; }
  void setCaption(std::string_view v) {
    if (caption_ == v) return;
    caption_.assign(v.data(), v.size());
    touch();
  }
  const std::string& tooltip() const { return tooltip_; }
  void setTooltip(const std::string& v) { set(tooltip_, v); }
  bool visible() const { return visible_; }
  void setVisible(bool v) { set(visible_, v); }
  bool enabled() const { return enabled_; }
  void setEnabled(bool v) { set(enabled_, v); }
  Colore foreColor() const { return foreColor_; }
  void setForeColor(Colore v) { set(foreColor_, v); }
  Colore backColor() const { return backColor_; }
  void setBackColor(Colore v) {
    if (backColor_ == v) return;
    backColor_ = v;
    touch();
    if (eco_) ++eco_->sfondi;
  }
  const Font& font() const { return font_; }
  void setFont(const Font& v) { set(font_, v); }
  void setFontName(const std::string& v) {
    if (font_.name == v) return;
    Font f = font_;
    f.name = v;
    setFont(f);
  }
  void setFontSize(double v) {
    if (font_.size == v) return;
    Font f = font_;
    f.size = v;
    setFont(f);
  }
  void setFontBold(bool v) {
    if (font_.bold == v) return;
    Font f = font_;
    f.bold = v;
    setFont(f);
  }
  // Single thin frame when true.
  bool border() const { return border_; }
  void setBorder(bool v) { set(border_, v); }

  // Position and size in twips, relative to the container (or the window).
  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void setLeft(int v) { set(left_, v); }
  void setTop(int v) { set(top_, v); }
  void setWidth(int v) { set(width_, v); }
  void setHeight(int v) { set(height_, v); }
  void move(int left, int top, int width, int height) {
    setLeft(left);
    setTop(top);
    setWidth(width);
    setHeight(height);
  }
  // Name of the container control, empty for the window itself.
  const std::string& container() const { return container_; }
  void setContainer(const std::string& v) { set(container_, v); }

  // Takes every property of `o`, handlers included, through the setters: only what differs
  // counts as a change. Kind, name, index and revision stay.
  void takeProperties(const Control& o);

  // Event handlers (click, double click, mouse press / release / move).
  Handler onClick;
  Handler onDblClick;
  MouseHandler onMouseDown;
  MouseHandler onMouseUp;
  MouseHandler onMouseMove;

 protected:
  template <class T>
  void set(T& field, const T& value) {
    if (!(field == value)) {
      field = value;
      touch();
    }
  }
  void touch() {
    ++revision_;
    if (eco_) ++eco_->tutte;
  }

 private:
  friend class ControlArrayBase;
  // The change counters of the control array this control belongs to, if any.
  std::shared_ptr<ContaModifiche> eco_;
  Kind kind_;
  std::string name_;
  int index_;
  std::uint64_t revision_ = 0;
  std::string caption_;
  std::string tooltip_;
  bool visible_ = true;
  bool enabled_ = true;
  Colore foreColor_ = kTestoPulsante;
  Colore backColor_ = kFacciaPulsante;
  Font font_;
  bool border_ = false;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  std::string container_;
};

class Label : public Control {
 public:
  explicit Label(std::string name, int index = -1) : Control(Kind::Label, std::move(name), index) {}
};

class Button : public Control {
 public:
  explicit Button(std::string name, int index = -1)
      : Control(Kind::Button, std::move(name), index) {}
};

class TextBox : public Control {
 public:
  explicit TextBox(std::string name, int index = -1)
      : Control(Kind::TextBox, std::move(name), index) {}
};

class Frame : public Control {
 public:
  explicit Frame(std::string name, int index = -1) : Control(Kind::Frame, std::move(name), index) {}
};

class CheckBox : public Control {
 public:
  explicit CheckBox(std::string name, int index = -1)
      : Control(Kind::CheckBox, std::move(name), index) {}
  bool checked() const { return checked_; }
  void setChecked(bool v) { set(checked_, v); }

 private:
  bool checked_ = false;
};

class OptionGroup;

// An option button belongs to at most one group; selecting it clears the others and runs its
// click handler, whether the user clicked it or the program selected it.
class OptionButton : public Control {
 public:
  explicit OptionButton(std::string name, int index = -1)
      : Control(Kind::OptionButton, std::move(name), index) {}
  // A copy (a new member of an option array) joins the same group, unselected.
  OptionButton(const OptionButton& other);
  OptionButton& operator=(const OptionButton&) = delete;
  ~OptionButton() override;
  bool value() const { return value_; }
  // Selecting (true) clears the group's others and runs the click handler; false only clears.
  void setValue(bool v);
  OptionGroup* group() const { return group_; }

 private:
  friend class OptionGroup;
  void setValueOnly(bool v) { set(value_, v); }
  bool value_ = false;
  OptionGroup* group_ = nullptr;
};

class OptionGroup {
 public:
  void add(OptionButton& b);
  void remove(OptionButton& b);
  void select(OptionButton& b);
  const std::vector<OptionButton*>& members() const { return members_; }

 private:
  std::vector<OptionButton*> members_;
};

class ComboBox : public Control {
 public:
  explicit ComboBox(std::string name, int index = -1)
      : Control(Kind::ComboBox, std::move(name), index) {}
  void addItem(const std::string& s) {
    items_.push_back(s);
    touch();
  }
  const std::vector<std::string>& items() const { return items_; }
  // The text shown in the edit field (caption holds it).
  const std::string& text() const { return caption(); }
  void setText(const std::string& s) { setCaption(s); }
  Handler onChange;

 private:
  std::vector<std::string> items_;
};

class ListBox : public Control {
 public:
  explicit ListBox(std::string name, bool sorted = false, int index = -1)
      : Control(Kind::ListBox, std::move(name), index), sorted_(sorted) {}
  bool sorted() const { return sorted_; }
  // Appends, or inserts in ascending text order when the list is sorted.
  void addItem(const std::string& s);
  void clear();
  int count() const { return static_cast<int>(items_.size()); }
  // Empty text for an index outside the list.
  const std::string& item(int i) const;
  void removeItem(int i);
  int listIndex() const { return listIndex_; }
  void setListIndex(int i) { set(listIndex_, i < -1 || i >= count() ? -1 : i); }
  const std::vector<std::string>& items() const { return items_; }

 private:
  bool sorted_;
  std::vector<std::string> items_;
  int listIndex_ = -1;
};

// A picture box prints lines of text that stay until cleared; it can also show a picture.
class PictureBox : public Control {
 public:
  explicit PictureBox(std::string name, int index = -1)
      : Control(Kind::PictureBox, std::move(name), index) {}
  void print(const std::string& line) {
    lines_.push_back(line);
    touch();
  }
  void clear() {
    if (!lines_.empty()) {
      lines_.clear();
      touch();
    }
  }
  const std::vector<std::string>& lines() const { return lines_; }
  // Resource name of the picture shown, empty for none.
  const std::string& picture() const { return picture_; }
  void setPicture(const std::string& v) { set(picture_, v); }

 private:
  std::vector<std::string> lines_;
  std::string picture_;
};

// A filled circle (the semaphore). Its fill colour is the back colour.
class Shape : public Control {
 public:
  explicit Shape(std::string name, int index = -1) : Control(Kind::Shape, std::move(name), index) {}
  Colore fillColor() const { return backColor(); }
  void setFillColor(Colore c) { setBackColor(c); }
};

class Line : public Control {
 public:
  explicit Line(std::string name, int index = -1) : Control(Kind::Line, std::move(name), index) {}
  int x1() const { return x1_; }
  int y1() const { return y1_; }
  int x2() const { return x2_; }
  int y2() const { return y2_; }
  void setEnds(int x1, int y1, int x2, int y2) {
    set(x1_, x1);
    set(y1_, y1);
    set(x2_, x2);
    set(y2_, y2);
  }
  // In pixels.
  int borderWidth() const { return borderWidth_; }
  void setBorderWidth(int v) { set(borderWidth_, v); }
  void takeProperties(const Line& o) {
    Control::takeProperties(o);
    setEnds(o.x1_, o.y1_, o.x2_, o.y2_);
    setBorderWidth(o.borderWidth_);
  }

 private:
  int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  int borderWidth_ = 1;
};

// A menu item; top-level menus have an empty parent. Separators have the caption "-".
class MenuItem : public Control {
 public:
  MenuItem(std::string name, std::string parent, std::string caption, std::string shortcut = "")
      : Control(Kind::MenuItem, std::move(name)),
        parent_(std::move(parent)),
        shortcut_(std::move(shortcut)) {
    setCaption(caption);
  }
  const std::string& parent() const { return parent_; }
  bool separator() const { return caption() == "-"; }
  bool checked() const { return checked_; }
  void setChecked(bool v) { set(checked_, v); }
  // "F2", "F12" or empty.
  const std::string& shortcut() const { return shortcut_; }

 private:
  std::string parent_;
  bool checked_ = false;
  std::string shortcut_;
};

class Timer : public Control {
 public:
  explicit Timer(std::string name, int intervalMs = 0)
      : Control(Kind::Timer, std::move(name)), interval_(intervalMs) {
    setEnabled(false);
  }
  int interval() const { return interval_; }
  void setInterval(int ms) { set(interval_, ms); }
  Handler onTimer;

 private:
  int interval_;
};

// A control array: member 0 exists from the start; new members copy member 0's properties
// (handlers included) until changed. Removed members leave a gap, as in the toolkit we follow.
class ControlArrayBase {
 protected:
  static void rename(Control& c, int index) { c.index_ = index; }
  static void bump(Control& c) { c.touch(); }
  static void join(Control& c, const std::shared_ptr<ContaModifiche>& eco) { c.eco_ = eco; }
};

template <class T>
class ControlArray : public ControlArrayBase {
 public:
  explicit ControlArray(T first) {
    members_.push_back(std::make_unique<T>(std::move(first)));
    join(*members_[0], modifiche_);
  }
  ControlArray(ControlArray&&) = default;
  ControlArray& operator=(ControlArray&&) = default;

  const std::string& name() const { return members_[0]->name(); }
  // Loads member n as a copy of member 0; nothing happens when it is already loaded.
  T& load(int n) {
    if (n < 0) n = 0;
    if (static_cast<std::size_t>(n) >= members_.size()) members_.resize(n + 1);
    if (!members_[n]) {
      members_[n] = std::make_unique<T>(*members_[0]);
      join(*members_[n], modifiche_);
      rename(*members_[n], n);
      bump(*members_[n]);
      ++modifiche_->sfondi;
      ++structure_;
    }
    return *members_[n];
  }
  // What unload(n) and then load(n) would leave, without dropping a loaded member: it takes
  // member 0's properties through the setters, so a renderer keeps its widget and repaints only
  // what differs. Member 0 is returned as it is. For arrays of labels and lines, whose members
  // hold nothing beyond what takeProperties copies.
  T& reload(int n) {
    static_assert(std::is_same_v<T, Label> || std::is_same_v<T, Line>);
    if (n <= 0 || !loaded(n)) return load(n);
    members_[n]->takeProperties(*members_[0]);
    return *members_[n];
  }
  // Unloads member n (member 0 stays for good).
  void unload(int n) {
    if (n <= 0 || static_cast<std::size_t>(n) >= members_.size() || !members_[n]) return;
    members_[n].reset();
    while (members_.size() > 1 && !members_.back()) members_.pop_back();
    ++structure_;
    ++modifiche_->tutte;
    ++modifiche_->sfondi;
  }
  bool loaded(int n) const {
    return n >= 0 && static_cast<std::size_t>(n) < members_.size() && members_[n] != nullptr;
  }
  // Member n; out-of-range or unloaded indices give member 0, so no caller can step outside.
  T& operator[](int n) { return loaded(n) ? *members_[n] : *members_[0]; }
  const T& operator[](int n) const { return loaded(n) ? *members_[n] : *members_[0]; }
  // One past the highest loaded index.
  int upperBound() const { return static_cast<int>(members_.size()); }
  // Changes whenever members are loaded or unloaded.
  std::uint64_t structure() const { return structure_; }
  // Changes whenever any member changes, or members are loaded or unloaded: a caller that
  // remembers it knows when nothing in the array has changed since.
  std::uint64_t changes() const { return modifiche_->tutte; }
  // The same for the members' background colours alone.
  std::uint64_t backColorChanges() const { return modifiche_->sfondi; }

 private:
  std::vector<std::unique_ptr<T>> members_;
  std::uint64_t structure_ = 0;
  std::shared_ptr<ContaModifiche> modifiche_ = std::make_shared<ContaModifiche>();
};

// The window surface: circles and lines drawn on it stay until cleared.
struct Disegno {
  enum class Tipo { Cerchio, Linea } tipo = Tipo::Linea;
  // Twips. A circle uses x1, y1 as centre and raggio as radius.
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0, raggio = 0;
  Colore colore = kNero;
  int spessore = 1;
  bool pieno = false;
};

class Surface {
 public:
  void circle(double x, double y, double r, Colore c, int penWidth = 1, bool filled = false);
  void line(double x1, double y1, double x2, double y2, Colore c, int penWidth = 1);
  void clear();
  const std::vector<Disegno>& drawings() const { return drawings_; }
  std::uint64_t revision() const { return revision_; }

 private:
  std::vector<Disegno> drawings_;
  std::uint64_t revision_ = 0;
};

enum class MousePointer { Normal, Hourglass };

}  // namespace orv
