// Reading and writing components as stored form descriptions (see form_text.h for the text).
//
// The reader assigns the root's stored properties, creates each nested component by its
// registered class name (owned by the root, placed in the component it is nested in), assigns
// every property in stored order through the property tables, hands binary properties to the
// class that defined them and, when the whole description has been read, calls Loaded on every
// component in reading order. Unknown classes, properties, identifiers and event handlers are
// errors naming the line.
#pragma once

#include <string>
#include <string_view>

#include "runtime/component.h"
#include "runtime/form_text.h"

namespace varnelta {

void ReadComponent(TComponent& root, const TFormObject& description);
void ReadComponentText(TComponent& root, std::string_view text);

TFormObject WriteComponent(const TComponent& root);
std::string WriteComponentText(const TComponent& root);

}  // namespace varnelta
