#include "gallery/page_description.h"

#include "runtime/class_registry.h"
#include "runtime/property.h"

namespace varnelta::gallery {

namespace {

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

void FilterObject(TFormObject& object, const TClassInfo* type, const THandlerKnown& handlerKnown,
                  TPageFilterReport& report) {
  {
    std::erase_if(object.Properties, [&](const TFormProperty& property) {
      // A dotted name ("Font.Height") belongs to its first part's property.
      const std::string_view name(property.Name);
      const TPropInfo* info = type->FindProperty(name.substr(0, name.find('.')));
      // Binary data belongs to properties a class declares itself, not in its table.
      bool keep = property.Value.Type == TFormValue::Kind::Binary || info != nullptr;
      if (keep && info != nullptr && info->Kind == TTypeKind::Method) {
        keep = property.Value.Type == TFormValue::Kind::Identifier && handlerKnown &&
               handlerKnown(property.Value.Identifier);
      }
      if (!keep) report.SkippedProperties.push_back(object.Name + "." + property.Name);
      return !keep;
    });
  }
  std::erase_if(object.Children, [&](TFormObject& child) {
    const TClassInfo* childType = FindClass(child.ClassName);
    if (childType == nullptr || !childType->Create) {
      report.SkippedObjects.push_back(child.Name + ": " + child.ClassName);
      return true;
    }
    FilterObject(child, childType, handlerKnown, report);
    return false;
  });
}

}  // namespace

TPageFilterReport FilterPageDescription(TFormObject& page, const TClassInfo& rootType,
                                        const THandlerKnown& handlerKnown) {
  TPageFilterReport report;
  FilterObject(page, &rootType, handlerKnown, report);
  return report;
}

const std::vector<TPageName>& GalleryPageNames() {
  static const std::vector<TPageName> pages{
      {"Buttons", "buttons.txt"}, {"Choices", "choices.txt"}, {"Text", "text.txt"},
      {"Ranges", "ranges.txt"},   {"Lists", "lists.txt"},     {"Panels", "panels.txt"},
      {"Others", "others.txt"},   {"Menus", "menus.txt"}};
  return pages;
}

int FindGalleryPage(std::string_view name) {
  const auto& pages = GalleryPageNames();
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (SameText(pages[i].Name, name)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace varnelta::gallery
