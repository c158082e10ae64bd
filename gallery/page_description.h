// A gallery page's stored form description, made fit for the runtime it runs on: the pages are
// written by several people for control classes that may not exist yet, so objects of classes
// the runtime does not know are left out (with everything nested in them), and so are
// properties a class does not publish and event handlers the page does not offer. What was left
// out is listed so the gallery can tell.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/form_text.h"
#include "runtime/persistent.h"

namespace varnelta::gallery {

struct TPageFilterReport {
  std::vector<std::string> SkippedObjects;     // "Name: TClass"
  std::vector<std::string> SkippedProperties;  // "Name.Property"
};

// Answers whether the page offers an event handler of that name.
using THandlerKnown = std::function<bool(std::string_view name)>;

// Filters `page` in place: the root's properties against `rootType`, the nested objects against
// the registered classes.
TPageFilterReport FilterPageDescription(TFormObject& page, const TClassInfo& rootType,
                                        const THandlerKnown& handlerKnown);

// The order and names of the gallery's pages; `File` is the description's file name.
struct TPageName {
  const char* Name;
  const char* File;
};
const std::vector<TPageName>& GalleryPageNames();

// The index of the page called `name` (without regard to case), or -1.
int FindGalleryPage(std::string_view name);

}  // namespace varnelta::gallery
