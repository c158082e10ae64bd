// A growable in-memory byte stream with a position: reads never run past the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace varnelta {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TMemoryStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<std::uint8_t> bytes) : data_(std::move(bytes)) {}

  std::size_t Size() const { return data_.size(); }
  std::size_t Position() const { return position_; }
  // Positions beyond the end are allowed; a write there fills the gap with zero bytes.
  std::size_t Seek(std::int64_t offset, TSeekOrigin origin);
  void SetSize(std::size_t size);
  void Clear();

  // Copies at most count bytes; returns how many were copied.
  std::size_t Read(void* buffer, std::size_t count);
  void Write(const void* buffer, std::size_t count);
  void Write(std::string_view bytes) { Write(bytes.data(), bytes.size()); }
  // Reads exactly count bytes or throws EReadError.
  void ReadBuffer(void* buffer, std::size_t count);

  bool ReadInt32(std::int32_t& value);  // little-endian; false at the end
  void WriteInt32(std::int32_t value);

  const std::vector<std::uint8_t>& Bytes() const { return data_; }
  const std::uint8_t* Memory() const { return data_.data(); }

 private:
  std::vector<std::uint8_t> data_;
  std::size_t position_ = 0;
};

}  // namespace varnelta
