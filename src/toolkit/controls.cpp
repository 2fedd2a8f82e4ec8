#include "toolkit/controls.h"

#include <algorithm>

namespace orv {

std::string Control::fullName() const {
  if (index_ < 0) return name_;
  return name_ + "(" + std::to_string(index_) + ")";
}

void Control::takeProperties(const Control& o) {
  if (&o == this) return;
  setCaption(o.caption_);
  setTooltip(o.tooltip_);
  setVisible(o.visible_);
  setEnabled(o.enabled_);
  setForeColor(o.foreColor_);
  setBackColor(o.backColor_);
  setFont(o.font_);
  setBorder(o.border_);
  move(o.left_, o.top_, o.width_, o.height_);
  setContainer(o.container_);
  // An empty handler copied over an empty one changes nothing: most members have none.
  if (onClick || o.onClick) onClick = o.onClick;
  if (onDblClick || o.onDblClick) onDblClick = o.onDblClick;
  if (onMouseDown || o.onMouseDown) onMouseDown = o.onMouseDown;
  if (onMouseUp || o.onMouseUp) onMouseUp = o.onMouseUp;
  if (onMouseMove || o.onMouseMove) onMouseMove = o.onMouseMove;
}

OptionButton::OptionButton(const OptionButton& other) : Control(other), group_(nullptr) {
  value_ = false;
  if (other.group_) other.group_->add(*this);
}

OptionButton::~OptionButton() {
  if (group_) group_->remove(*this);
}

void OptionButton::setValue(bool v) {
  if (v) {
    if (group_) {
      group_->select(*this);
    } else {
      setValueOnly(true);
      if (onClick) onClick();
    }
  } else {
    setValueOnly(false);
  }
}

void OptionGroup::add(OptionButton& b) {
  if (b.group_ == this) return;
  if (b.group_) b.group_->remove(b);
  b.group_ = this;
  members_.push_back(&b);
}

void OptionGroup::remove(OptionButton& b) {
  members_.erase(std::remove(members_.begin(), members_.end(), &b), members_.end());
  if (b.group_ == this) b.group_ = nullptr;
}

void OptionGroup::select(OptionButton& b) {
  for (OptionButton* m : members_)
    if (m != &b) m->setValueOnly(false);
  b.setValueOnly(true);
  if (b.onClick) b.onClick();
}

void ListBox::addItem(const std::string& s) {
  if (sorted_) {
    items_.insert(std::upper_bound(items_.begin(), items_.end(), s), s);
  } else {
    items_.push_back(s);
  }
  touch();
}

void ListBox::clear() {
  if (!items_.empty() || listIndex_ != -1) {
    items_.clear();
    listIndex_ = -1;
    touch();
  }
}

const std::string& ListBox::item(int i) const {
  static const std::string empty;
  if (i < 0 || i >= count()) return empty;
  return items_[static_cast<std::size_t>(i)];
}

void ListBox::removeItem(int i) {
  if (i < 0 || i >= count()) return;
  items_.erase(items_.begin() + i);
  if (listIndex_ >= count()) listIndex_ = -1;
  touch();
}

void Surface::circle(double x, double y, double r, Colore c, int penWidth, bool filled) {
  Disegno d;
  d.tipo = Disegno::Tipo::Cerchio;
  d.x1 = x;
  d.y1 = y;
  d.raggio = r;
  d.colore = c;
  d.spessore = penWidth;
  d.pieno = filled;
  drawings_.push_back(d);
  ++revision_;
}

void Surface::line(double x1, double y1, double x2, double y2, Colore c, int penWidth) {
  Disegno d;
  d.x1 = x1;
  d.y1 = y1;
  d.x2 = x2;
  d.y2 = y2;
  d.colore = c;
  d.spessore = penWidth;
  drawings_.push_back(d);
  ++revision_;
}

void Surface::clear() {
  if (!drawings_.empty()) {
    drawings_.clear();
    ++revision_;
  }
}

}  // namespace orv
