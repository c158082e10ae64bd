// Parses arbitrary text as a form description and, when it parses, writes and parses it again:
// the second parse must succeed and give the same tree.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "runtime/form_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    varnelta::TFormObject tree = varnelta::ParseFormText(text);
    std::string written = varnelta::WriteFormText(tree);
    if (!(varnelta::ParseFormText(written) == tree)) std::abort();
  } catch (const varnelta::EFormError&) {
  }
  return 0;
}
