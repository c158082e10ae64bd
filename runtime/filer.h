// Binary properties: data a class stores with a form that is not in its property table (the
// skin component's "SkinStream"). A class declares them in DefineProperties; the form reader
// hands each stored block to its reader, the writer asks each writer for the bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace varnelta {

class TMemoryStream;

class TFiler {
 public:
  using TBinaryReader = std::function<void(TMemoryStream& data)>;
  using TBinaryWriter = std::function<void(TMemoryStream& data)>;
  virtual ~TFiler() = default;
  // hasData: whether the writer writes the property at all.
  virtual void DefineBinaryProperty(const std::string& name, TBinaryReader reader,
                                    TBinaryWriter writer, bool hasData) = 0;
};

}  // namespace varnelta
