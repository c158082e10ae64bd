#include "runtime/component.h"

#include <algorithm>
#include <stdexcept>

namespace varnelta {

const TClassInfo& TComponent::StaticClass() {
  static const TClassInfo info{
      "TComponent",
      &TPersistent::StaticClass(),
      {StrProperty<TComponent>("Name", &TComponent::NameW, &TComponent::SetNameW),
       IntProperty<TComponent, std::intptr_t>("Tag", &TComponent::Tag, &TComponent::SetTag, 0)},
      {}};
  return info;
}

bool IsValidIdent(std::string_view name) {
  if (name.empty()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    char c = name[i];
    bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    bool digit = c >= '0' && c <= '9';
    if (!(letter || (i > 0 && digit))) return false;
  }
  return true;
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  SetState(csDestroying);
  // Owned components go first, the last created first.
  while (!components_.empty()) {
    TComponent* last = components_.back();
    components_.pop_back();
    last->owner_ = nullptr;
    for (TComponent* c : components_) c->Notification(last);
    delete last;
  }
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->owner_) component->owner_->RemoveComponent(component);
  components_.push_back(component);
  component->owner_ = this;
}

void TComponent::RemoveComponent(TComponent* component) {
  auto it = std::find(components_.begin(), components_.end(), component);
  if (it == components_.end()) return;
  components_.erase(it);
  component->owner_ = nullptr;
  Notification(component);
  for (TComponent* c : components_) c->Notification(component);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_) {
    if (SameIdentifier(c->Name(), name)) return c;
  }
  return nullptr;
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  if (!name.empty() && !IsValidIdent(name)) throw std::invalid_argument("\"" + name + "\" is not a valid component name");
  if (owner_ && !name.empty()) {
    TComponent* other = owner_->FindComponent(name);
    if (other && other != this) throw std::invalid_argument("a component named " + name + " already exists");
  }
  name_ = name;
}

void TComponent::SetNameW(const std::wstring& name) {
  std::string narrow;
  for (wchar_t c : name) {
    if (c > 0x7F) throw std::invalid_argument("component names are ASCII identifiers");
    narrow.push_back(static_cast<char>(c));
  }
  SetName(narrow);
}

void TComponent::Loaded() { ClearState(csLoading); }

std::vector<TComponent*> TComponent::StoredChildren(const TComponent* root) const {
  if (root != this) return {};
  std::vector<TComponent*> result;
  for (TComponent* c : components_) {
    if (!c->HasParent()) result.push_back(c);
  }
  return result;
}

void TComponent::SetParentComponent(TComponent*) {}

TNotifyEvent TComponent::FindMethod(std::string_view) { return {}; }

void TComponent::Notification(TComponent*) {}

}  // namespace varnelta
