#include "runtime/memory_stream.h"

#include <cstring>
#include <stdexcept>

namespace varnelta {

std::size_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t base = 0;
  if (origin == TSeekOrigin::soCurrent) base = static_cast<std::int64_t>(position_);
  if (origin == TSeekOrigin::soEnd) base = static_cast<std::int64_t>(data_.size());
  std::int64_t target = base + offset;
  position_ = target < 0 ? 0 : static_cast<std::size_t>(target);
  return position_;
}

void TMemoryStream::SetSize(std::size_t size) {
  data_.resize(size);
  if (position_ > size) position_ = size;
}

void TMemoryStream::Clear() {
  data_.clear();
  position_ = 0;
}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
  if (position_ >= data_.size() || count == 0) return 0;
  std::size_t n = std::min(count, data_.size() - position_);
  std::memcpy(buffer, data_.data() + position_, n);
  position_ += n;
  return n;
}

void TMemoryStream::Write(const void* buffer, std::size_t count) {
  if (count == 0) return;
  if (position_ + count > data_.size()) data_.resize(position_ + count);
  std::memcpy(data_.data() + position_, buffer, count);
  position_ += count;
}

void TMemoryStream::ReadBuffer(void* buffer, std::size_t count) {
  if (Read(buffer, count) != count) throw std::out_of_range("stream read error");
}

bool TMemoryStream::ReadInt32(std::int32_t& value) {
  std::uint8_t b[4];
  if (position_ + 4 > data_.size()) return false;
  Read(b, 4);
  value = static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
                                    (static_cast<std::uint32_t>(b[2]) << 16) |
                                    (static_cast<std::uint32_t>(b[3]) << 24));
  return true;
}

void TMemoryStream::WriteInt32(std::int32_t value) {
  auto u = static_cast<std::uint32_t>(value);
  std::uint8_t b[4] = {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                       static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
  Write(b, 4);
}

}  // namespace varnelta
