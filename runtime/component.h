// Components: named objects with an owner. An owner frees what it owns (last created first);
// a component freed otherwise leaves its owner's list. Owner-less components are held by
// their creator (a std::unique_ptr).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/persistent.h"

namespace varnelta {

// Component state flags.
enum TComponentStateFlag : unsigned {
  csLoading = 1u << 0,     // between the start of reading a form and Loaded
  csReading = 1u << 1,     // while its stored properties are being assigned
  csDesigning = 1u << 2,   // in a form designer (never set by this program)
  csDestroying = 1u << 3,  // its destructor runs
};

class TComponent : public TPersistent {
  VARNELTA_CLASS()

 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(static_cast<std::size_t>(index)); }
  // The owned component of that name (letter case ignored), or none.
  TComponent* FindComponent(std::string_view name) const;
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  const std::string& Name() const { return name_; }
  // Names are identifiers, unique among the owner's components (throws std::invalid_argument).
  virtual void SetName(const std::string& name);
  std::wstring NameW() const { return std::wstring(name_.begin(), name_.end()); }
  void SetNameW(const std::wstring& name);
  std::intptr_t Tag() const { return tag_; }
  void SetTag(std::intptr_t tag) { tag_ = tag; }

  unsigned ComponentState() const { return state_; }
  bool HasState(unsigned flags) const { return (state_ & flags) != 0; }
  void SetState(unsigned flags) { state_ |= flags; }
  void ClearState(unsigned flags) { state_ &= ~flags; }

  // Runs after the whole form has been read and every stored property assigned.
  virtual void Loaded();

  // Form storage: the components stored nested inside this one when `root` is written, and
  // the container a component read inside another one is placed in.
  virtual std::vector<TComponent*> StoredChildren(const TComponent* root) const;
  virtual void SetParentComponent(TComponent* parent);
  // Stored nested inside another component of the form rather than at the root's level.
  virtual bool HasParent() const { return false; }
  // The event a stored event name refers to (the root's own handlers); empty when unknown.
  virtual TNotifyEvent FindMethod(std::string_view name);

  // Told when a component it may refer to is freed.
  virtual void Notification(TComponent* component);

 private:
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::string name_;
  std::intptr_t tag_ = 0;
  unsigned state_ = 0;
};

bool IsValidIdent(std::string_view name);

}  // namespace varnelta
