#include "runtime/form_reader.h"

#include <map>

#include "runtime/class_registry.h"
#include "runtime/filer.h"
#include "runtime/memory_stream.h"

namespace varnelta {

namespace {

struct BinaryEntry {
  TFiler::TBinaryReader Reader;
  TFiler::TBinaryWriter Writer;
  bool HasData = false;
};

class CollectingFiler : public TFiler {
 public:
  void DefineBinaryProperty(const std::string& name, TBinaryReader reader, TBinaryWriter writer,
                            bool hasData) override {
    names.push_back(name);
    entries[name] = {std::move(reader), std::move(writer), hasData};
  }
  const BinaryEntry* Find(std::string_view name) const {
    for (const auto& [key, entry] : entries) {
      if (SameIdentifier(key, name)) return &entry;
    }
    return nullptr;
  }
  std::vector<std::string> names;
  std::map<std::string, BinaryEntry> entries;
};

std::string KindName(TFormValue::Kind kind) {
  switch (kind) {
    case TFormValue::Kind::Integer: return "an integer";
    case TFormValue::Kind::Identifier: return "an identifier";
    case TFormValue::Kind::String: return "a string";
    case TFormValue::Kind::Set: return "a set";
    case TFormValue::Kind::List: return "a string list";
    case TFormValue::Kind::Binary: return "binary data";
  }
  return "a value";
}

class Reader {
 public:
  explicit Reader(TComponent& root) : root_(root) {}

  void Read(const TFormObject& description) {
    if (!SameIdentifier(description.ClassName, root_.ClassName())) {
      throw EFormError(description.Line, "the description is of class " + description.ClassName +
                                             ", the form is " + root_.ClassName());
    }
    Guard(description.Line, [&] { root_.SetName(description.Name); });
    ReadInto(root_, description);
    ResolveReferences();
    for (TComponent* c : loaded_) c->ClearState(csReading);
    for (TComponent* c : loaded_) c->Loaded();
  }

 private:
  template <class F>
  void Guard(int line, F&& action) {
    try {
      action();
    } catch (const EFormError&) {
      throw;
    } catch (const std::exception& e) {
      throw EFormError(line, e.what());
    }
  }

  void ReadInto(TComponent& component, const TFormObject& description) {
    component.SetState(csLoading | csReading);
    loaded_.push_back(&component);
    CollectingFiler filer;
    component.DefineProperties(filer);
    for (const TFormProperty& p : description.Properties) {
      if (const BinaryEntry* binary = filer.Find(p.Name)) {
        if (p.Value.Type != TFormValue::Kind::Binary) {
          throw EFormError(p.Line, "property " + p.Name + " needs binary data");
        }
        TMemoryStream data(p.Value.Bytes);
        Guard(p.Line, [&] { binary->Reader(data); });
        continue;
      }
      Guard(p.Line, [&] { Assign(component, p); });
    }
    for (const TFormObject& child : description.Children) {
      const TClassInfo* type = FindClass(child.ClassName);
      if (!type || !type->Create) throw EFormError(child.Line, "class " + child.ClassName + " is not registered");
      TComponent* created = nullptr;
      Guard(child.Line, [&] {
        created = type->Create(&root_);
        created->SetState(csLoading | csReading);
        created->SetName(child.Name);
        created->SetParentComponent(&component);
      });
      ReadInto(*created, child);
    }
  }

  void Assign(TComponent& component, const TFormProperty& p) {
    auto [holder, info] = ResolveProperty(&component, p.Name);
    if (!info) throw EFormError(p.Line, "class " + component.ClassName() + " has no property " + p.Name);
    if (info->ReadOnly()) throw EFormError(p.Line, "property " + p.Name + " cannot be assigned");
    const TFormValue& v = p.Value;
    auto mismatch = [&](const char* wanted) {
      throw EFormError(p.Line, "property " + p.Name + " needs " + wanted + ", not " + KindName(v.Type));
    };
    switch (info->Kind) {
      case TTypeKind::Integer:
        if (v.Type == TFormValue::Kind::Identifier && info->IdentToInt) {
          auto value = info->IdentToInt(v.Identifier);
          if (!value) throw EFormError(p.Line, v.Identifier + " is not a value of property " + p.Name);
          info->SetOrd(*holder, *value);
          break;
        }
        if (v.Type != TFormValue::Kind::Integer) mismatch("an integer");
        info->SetOrd(*holder, v.Integer);
        break;
      case TTypeKind::Enumeration: {
        if (v.Type != TFormValue::Kind::Identifier) mismatch("an identifier");
        int value = info->Enum->IndexOf(v.Identifier);
        if (value < 0) throw EFormError(p.Line, v.Identifier + " is not a value of " + info->Enum->Name);
        info->SetOrd(*holder, value);
        break;
      }
      case TTypeKind::Set: {
        if (v.Type != TFormValue::Kind::Set) mismatch("a set");
        std::int64_t bits = 0;
        for (const auto& member : v.SetMembers) {
          int index = info->Enum->IndexOf(member);
          if (index < 0 || index >= 63) throw EFormError(p.Line, member + " is not a member of " + info->Enum->Name);
          bits |= std::int64_t{1} << index;
        }
        info->SetOrd(*holder, bits);
        break;
      }
      case TTypeKind::String:
        if (v.Type != TFormValue::Kind::String) mismatch("a string");
        info->SetStr(*holder, v.String);
        break;
      case TTypeKind::StringList:
        if (v.Type != TFormValue::Kind::List) mismatch("a string list");
        info->SetList(*holder, v.Items);
        break;
      case TTypeKind::Class: throw EFormError(p.Line, "property " + p.Name + " holds an object");
      case TTypeKind::Component:
        // The component may be stored later in the description: resolved at the end.
        if (v.Type != TFormValue::Kind::Identifier) mismatch("a component name");
        references_.push_back({holder, info, v.Identifier, p.Line});
        break;
      case TTypeKind::Method: {
        if (v.Type != TFormValue::Kind::Identifier) mismatch("an event handler name");
        TNotifyEvent handler = root_.FindMethod(v.Identifier);
        if (!handler) throw EFormError(p.Line, "the form has no event handler " + v.Identifier);
        handler.Name = v.Identifier;
        info->SetMethod(*holder, handler);
        break;
      }
    }
  }

  void ResolveReferences() {
    for (const Reference& r : references_) {
      TComponent* target = SameIdentifier(r.Name, root_.Name()) ? &root_ : root_.FindComponent(r.Name);
      if (!target) throw EFormError(r.Line, "the form has no component " + r.Name);
      Guard(r.Line, [&] { r.Info->SetComponent(*r.Holder, target); });
    }
  }

  struct Reference {
    TPersistent* Holder;
    const TPropInfo* Info;
    std::string Name;
    int Line;
  };

  TComponent& root_;
  std::vector<TComponent*> loaded_;
  std::vector<Reference> references_;
};

void WriteProperties(const TPersistent& object, const std::string& prefix, std::vector<TFormProperty>& out) {
  for (const TPropInfo* info : object.ClassInfo().AllProperties()) {
    if (prefix.empty() && info->Name == "Name") continue;
    if (info->Stored && !info->Stored(object)) continue;
    TFormProperty p;
    p.Name = prefix + info->Name;
    TFormValue& v = p.Value;
    switch (info->Kind) {
      case TTypeKind::Integer:
      case TTypeKind::Enumeration:
      case TTypeKind::Set: {
        if (info->ReadOnly()) continue;
        std::int64_t value = info->GetOrd(object);
        if (!info->AlwaysStored && info->Default && *info->Default == value) continue;
        if (info->Kind == TTypeKind::Integer) {
          std::string ident = info->IntToIdent ? info->IntToIdent(value) : std::string();
          if (!ident.empty()) {
            v.Type = TFormValue::Kind::Identifier;
            v.Identifier = ident;
          } else {
            v.Type = TFormValue::Kind::Integer;
            v.Integer = value;
          }
        } else if (info->Kind == TTypeKind::Enumeration) {
          v.Type = TFormValue::Kind::Identifier;
          v.Identifier = info->Enum->NameOf(value);
        } else {
          v.Type = TFormValue::Kind::Set;
          for (std::size_t bit = 0; bit < info->Enum->Identifiers.size() && bit < 63; ++bit) {
            if (value & (std::int64_t{1} << bit)) v.SetMembers.push_back(info->Enum->Identifiers[bit]);
          }
        }
        break;
      }
      case TTypeKind::String:
        if (info->ReadOnly()) continue;
        v.Type = TFormValue::Kind::String;
        v.String = info->GetStr(object);
        if (v.String.empty() && !info->AlwaysStored) continue;
        break;
      case TTypeKind::StringList:
        if (info->ReadOnly()) continue;
        v.Type = TFormValue::Kind::List;
        v.Items = info->GetList(object);
        if (v.Items.empty() && !info->AlwaysStored) continue;
        break;
      case TTypeKind::Class:
        if (TPersistent* sub = info->GetObject(object)) WriteProperties(*sub, p.Name + ".", out);
        continue;
      case TTypeKind::Component: {
        if (info->ReadOnly()) continue;
        const TComponent* target = info->GetComponent(object);
        if (!target || target->Name().empty()) continue;
        v.Type = TFormValue::Kind::Identifier;
        v.Identifier = target->Name();
        break;
      }
      case TTypeKind::Method: {
        if (info->ReadOnly()) continue;
        TNotifyEvent e = info->GetMethod(object);
        if (e.Name.empty()) continue;
        v.Type = TFormValue::Kind::Identifier;
        v.Identifier = e.Name;
        break;
      }
    }
    out.push_back(std::move(p));
  }
}

TFormObject WriteOne(const TComponent& component, const TComponent& root) {
  TFormObject object;
  object.Name = component.Name();
  object.ClassName = component.ClassName();
  WriteProperties(component, "", object.Properties);
  CollectingFiler filer;
  const_cast<TComponent&>(component).DefineProperties(filer);
  for (const std::string& name : filer.names) {
    const BinaryEntry& entry = filer.entries[name];
    if (!entry.HasData || !entry.Writer) continue;
    TMemoryStream data;
    entry.Writer(data);
    TFormProperty p;
    p.Name = name;
    p.Value.Type = TFormValue::Kind::Binary;
    p.Value.Bytes = data.Bytes();
    object.Properties.push_back(std::move(p));
  }
  for (TComponent* child : component.StoredChildren(&root)) {
    object.Children.push_back(WriteOne(*child, root));
  }
  return object;
}

}  // namespace

void ReadComponent(TComponent& root, const TFormObject& description) { Reader(root).Read(description); }

void ReadComponentText(TComponent& root, std::string_view text) { ReadComponent(root, ParseFormText(text)); }

TFormObject WriteComponent(const TComponent& root) { return WriteOne(root, root); }

std::string WriteComponentText(const TComponent& root) { return WriteFormText(WriteComponent(root)); }

}  // namespace varnelta
