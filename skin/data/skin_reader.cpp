#include "skin/data/skin_reader.h"

#include <algorithm>
#include <new>
#include <utility>

#include "skin/data/lzh.h"

namespace varnelta {
namespace {

constexpr std::size_t kHeaderSize = 16;

// A 32-bit little-endian value at `offset`; bytes past the end read as zero.
std::int32_t ReadInt32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    const std::uint32_t byte = offset + i < bytes.size() ? bytes[offset + i] : 0;
    value |= byte << (8 * i);
  }
  return static_cast<std::int32_t>(value);
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = LowerAscii(c);
  return lower;
}

}  // namespace

int SkinReservedBlockSize(std::int32_t formatCode) {
  switch (formatCode) {
    case 20000: return 0;
    case 30000: return 256;
    case 40000: return 80;
    case 50000: return 48;
    case 60000: return 117;
    default: return -1;
  }
}

std::vector<std::string> SplitSkinNames(std::string_view text, std::size_t limit) {
  std::vector<std::string> names;
  std::size_t i = 0;
  while (i < text.size() && names.size() <= limit) {
    const std::size_t start = i;
    while (i < text.size() && text[i] != '\r' && text[i] != '\n') ++i;
    names.push_back(LowerAscii(text.substr(start, i - start)));
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
  }
  return names;
}

TSkinReader::TSkinReader(TSkinMessageHandler onMessage) : onMessage_(std::move(onMessage)) {}

void TSkinReader::SetMaxArchiveSize(std::int64_t bytes) {
  maxArchiveSize_ = std::clamp<std::int64_t>(bytes, 0, kDefaultMaxArchiveSize);
}

void TSkinReader::Clear() {
  loaded_ = false;
  formatCode_ = 0;
  entries_.clear();
  data_.clear();
  data_.shrink_to_fit();
}

bool TSkinReader::Fail() {
  Clear();
  return false;
}

bool TSkinReader::LoadFromStream(std::span<const std::uint8_t> stream) {
  Clear();
  // Shorter than its size field: nothing to decode, like an empty stream.
  if (stream.size() < 4) return false;
  const std::int32_t declared = ReadInt32(stream, 0);
  if (declared > maxArchiveSize_) return false;

  std::vector<std::uint8_t> archive;
  std::size_t intact = 0;
  if (declared > 0) {
    try {
      TLZH codec;
      intact = codec.Decode(stream.subspan(4), archive, declared);
    } catch (const ElzhException&) {
      return false;
    } catch (const std::bad_alloc&) {
      return false;
    }
  }
  return Parse(archive, &archive, intact);
}

bool TSkinReader::LoadArchive(std::span<const std::uint8_t> archive) {
  return Parse(archive, nullptr);
}

bool TSkinReader::Parse(std::span<const std::uint8_t> archive,
                        std::vector<std::uint8_t>* owned, std::size_t intactSize) {
  Clear();
  // A short archive reads as zeros, so an empty one has format code 0: unknown.
  const std::int32_t format = ReadInt32(archive, 0);
  const int reserved = SkinReservedBlockSize(format);
  if (reserved < 0) {
    if (onMessage_) onMessage_(kOlderSkinMessage);
    return false;
  }
  if (archive.size() < kHeaderSize) return Fail();

  const std::int32_t listLength = ReadInt32(archive, 4);
  const std::size_t listStart = kHeaderSize + static_cast<std::size_t>(reserved);
  if (listLength < 0 || listStart > archive.size() ||
      static_cast<std::size_t>(listLength) > archive.size() - listStart) {
    return Fail();
  }
  const std::string_view listText(reinterpret_cast<const char*>(archive.data() + listStart),
                                  static_cast<std::size_t>(listLength));
  std::vector<std::string> names = SplitSkinNames(listText, kMaxEntries);
  if (names.size() > kMaxEntries) return Fail();

  const std::size_t sizesStart = listStart + static_cast<std::size_t>(listLength);
  if (names.size() * 4 > archive.size() - sizesStart) return Fail();
  const std::size_t dataStart = sizesStart + names.size() * 4;
  const std::size_t dataSize = archive.size() - dataStart;

  std::vector<Entry> entries;
  entries.reserve(names.size());
  std::uint64_t offset = 0;  // the sum of up to 1,001 sizes below 2^31 cannot overflow
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::int32_t size = ReadInt32(archive, sizesStart + i * 4);
    if (size < 0) return Fail();
    Entry entry;
    entry.name = std::move(names[i]);
    entry.size = size;
    entry.offset = static_cast<std::size_t>(std::min<std::uint64_t>(offset, dataSize));
    entry.available = offset + static_cast<std::uint64_t>(size) <= dataSize;
    entry.intact = entry.available &&
                   dataStart + offset + static_cast<std::uint64_t>(size) <= intactSize;
    entries.push_back(std::move(entry));
    offset += static_cast<std::uint64_t>(size);
  }

  formatCode_ = format;
  entries_ = std::move(entries);
  if (owned != nullptr) {
    data_ = std::move(*owned);
    data_.erase(data_.begin(), data_.begin() + static_cast<std::ptrdiff_t>(dataStart));
  } else {
    data_.assign(archive.begin() + static_cast<std::ptrdiff_t>(dataStart), archive.end());
  }
  loaded_ = true;
  return true;
}

std::span<const std::uint8_t> TSkinReader::Data(const Entry& entry) const {
  if (!entry.available) return {};
  return std::span<const std::uint8_t>(data_).subspan(entry.offset,
                                                      static_cast<std::size_t>(entry.size));
}

void TSkinReader::Copy(const Entry& entry, std::vector<std::uint8_t>& destination) const {
  const std::span<const std::uint8_t> bytes = Data(entry);
  destination.assign(bytes.begin(), bytes.end());
}

bool TSkinReader::ExtractFile(std::string_view name,
                              std::vector<std::uint8_t>& destination) const {
  destination.clear();
  const std::string wanted = LowerAscii(name);
  for (const Entry& entry : entries_) {
    if (entry.name == wanted) {
      Copy(entry, destination);
      return entry.available;
    }
  }
  return false;
}

bool TSkinReader::ExtractFirstMatch(std::string_view text, std::vector<std::uint8_t>& destination,
                                    std::string& foundName) const {
  destination.clear();
  foundName.clear();
  for (const Entry& entry : entries_) {
    if (entry.name.find(text) != std::string::npos) {
      Copy(entry, destination);
      foundName = entry.name;
      return true;
    }
  }
  return false;
}

}  // namespace varnelta
