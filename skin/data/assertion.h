// EAssertionFailed: a programming error caught at run time (a required argument missing, a
// count out of range), carrying the text of the failed check.
#pragma once

#include <stdexcept>
#include <string>

namespace varnelta {

class EAssertionFailed : public std::logic_error {
 public:
  explicit EAssertionFailed(const std::string& message) : std::logic_error(message) {}
};

}  // namespace varnelta
