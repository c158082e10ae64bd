#include "skin/frame/nc_objects.h"

namespace varnelta::frame {

void TNcObjects::Reset(std::size_t count) {
  objects_.assign(count, TNcObject{});
  hot_.reset();
}

std::optional<std::size_t> TNcObjects::ObjectAt(TPoint point) const {
  for (std::size_t k = 0; k < objects_.size(); ++k) {
    const TNcObject& o = objects_[k];
    if (o.Visible && o.Clickable && o.Bounds.Contains(point)) return k;
  }
  return std::nullopt;
}

void TNcObjects::Leave(std::size_t index, std::vector<std::size_t>& repaint) {
  TNcObject& o = objects_[index];
  if (!o.Visible) return;
  if (hot_ == index) hot_.reset();
  o.ButtonState = bsNormal;
  repaint.push_back(index);
}

std::vector<std::size_t> TNcObjects::MouseDown(std::size_t index) {
  std::vector<std::size_t> repaint;
  if (!Valid(index)) return repaint;
  if (hot_ && *hot_ != index && Valid(*hot_)) Leave(*hot_, repaint);
  TNcObject& o = objects_[index];
  if (o.Visible) {
    hot_ = index;
    o.ButtonState = bsPressed;
    repaint.push_back(index);
  }
  return repaint;
}

std::vector<std::size_t> TNcObjects::MouseUp(std::size_t index) {
  std::vector<std::size_t> repaint;
  if (!Valid(index)) return repaint;
  TNcObject& o = objects_[index];
  if (o.Visible) {
    o.ButtonState = bsHot;
    repaint.push_back(index);
  }
  return repaint;
}

std::vector<std::size_t> TNcObjects::MouseEnter(std::size_t index) {
  std::vector<std::size_t> repaint;
  if (!Valid(index) || hot_ == index) return repaint;
  if (hot_ && Valid(*hot_)) Leave(*hot_, repaint);
  TNcObject& o = objects_[index];
  if (o.Visible) {
    hot_ = index;
    o.ButtonState = bsHot;
    repaint.push_back(index);
  }
  return repaint;
}

std::vector<std::size_t> TNcObjects::MouseLeave(std::size_t index) {
  std::vector<std::size_t> repaint;
  if (Valid(index)) Leave(index, repaint);
  return repaint;
}

TNcEvent TNcObjects::MoveOver(std::optional<std::size_t> under) {
  TNcEvent event;
  if (under) {
    event.Repaint = MouseEnter(*under);
    event.Consumed = true;
  } else if (hot_) {
    if (Valid(*hot_)) Leave(*hot_, event.Repaint);
    hot_.reset();
  }
  return event;
}

TNcEvent TNcObjects::ReleaseOver(std::optional<std::size_t> under, std::size_t titleButtons) {
  TNcEvent event;
  if (!under) return event;
  event.Consumed = true;
  if (*under < titleButtons && hot_ == *under) {
    event.Repaint = MouseUp(*under);
    event.Act = true;
  }
  return event;
}

std::vector<std::size_t> TNcObjects::HoverCheck(TPoint cursor, bool menuTracking) {
  std::vector<std::size_t> repaint;
  if (menuTracking || !hot_) return repaint;
  if (!Valid(*hot_)) {  // rebuilt under it: no leave, but nothing stays hot
    hot_.reset();
    return repaint;
  }
  const std::size_t index = *hot_;
  if (objects_[index].Bounds.Contains(cursor)) return repaint;
  Leave(index, repaint);
  hot_.reset();
  return repaint;
}

}  // namespace varnelta::frame
