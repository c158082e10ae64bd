#include "skin/data/skin_writer.h"

#include <limits>
#include <set>

#include "skin/data/lzh.h"
#include "skin/data/skin_reader.h"

namespace varnelta {
namespace {

void AppendInt32(std::vector<std::uint8_t>& out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
}

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

}  // namespace

std::vector<std::uint8_t> BuildSkinArchive(std::int32_t formatCode,
                                           const std::vector<TSkinEntry>& entries) {
  const int reserved = SkinReservedBlockSize(formatCode);
  if (reserved < 0) throw SkinWriteError("unknown format code " + std::to_string(formatCode));
  if (entries.size() > TSkinReader::kMaxEntries) {
    throw SkinWriteError("more than " + std::to_string(TSkinReader::kMaxEntries) + " entries");
  }

  std::string list;
  std::set<std::string> seen;
  std::uint64_t dataSize = 0;
  for (const TSkinEntry& entry : entries) {
    if (entry.name.empty()) throw SkinWriteError("an entry has no name");
    if (entry.name.find_first_of("\r\n") != std::string::npos) {
      throw SkinWriteError("entry name with a line break: " + entry.name);
    }
    if (!seen.insert(Lower(entry.name)).second) {
      throw SkinWriteError("two entries named " + entry.name);
    }
    list += entry.name;
    list += "\r\n";
    dataSize += entry.data.size();
  }

  const std::uint64_t total = 16 + static_cast<std::uint64_t>(reserved) + list.size() +
                              4 * entries.size() + dataSize;
  if (total > static_cast<std::uint64_t>(TSkinReader::kDefaultMaxArchiveSize)) {
    throw SkinWriteError("archive larger than " +
                         std::to_string(TSkinReader::kDefaultMaxArchiveSize >> 20) + " MiB");
  }

  std::vector<std::uint8_t> out;
  out.reserve(static_cast<std::size_t>(total));
  AppendInt32(out, formatCode);
  AppendInt32(out, static_cast<std::int32_t>(list.size()));
  AppendInt32(out, 0);
  AppendInt32(out, 0);
  out.insert(out.end(), static_cast<std::size_t>(reserved), std::uint8_t{0});
  out.insert(out.end(), list.begin(), list.end());
  for (const TSkinEntry& entry : entries) {
    AppendInt32(out, static_cast<std::int32_t>(entry.data.size()));
  }
  for (const TSkinEntry& entry : entries) {
    out.insert(out.end(), entry.data.begin(), entry.data.end());
  }
  return out;
}

std::vector<std::uint8_t> CompressSkinStream(std::span<const std::uint8_t> archive) {
  if (archive.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    throw SkinWriteError("archive too large to compress");
  }
  std::vector<std::uint8_t> out;
  AppendInt32(out, static_cast<std::int32_t>(archive.size()));
  TLZH codec;
  const std::vector<std::uint8_t> bits = codec.Encode(archive);
  out.insert(out.end(), bits.begin(), bits.end());
  return out;
}

std::vector<std::uint8_t> WrapSkinProperty(std::span<const std::uint8_t> stream) {
  if (stream.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    throw SkinWriteError("stream too large for a stored property");
  }
  std::vector<std::uint8_t> out;
  out.reserve(stream.size() + 4);
  AppendInt32(out, static_cast<std::int32_t>(stream.size()));
  out.insert(out.end(), stream.begin(), stream.end());
  return out;
}

std::optional<std::span<const std::uint8_t>> UnwrapSkinProperty(
    std::span<const std::uint8_t> property) {
  if (property.size() < 4) return std::nullopt;
  std::uint32_t count = 0;
  for (std::size_t i = 0; i < 4; ++i) count |= std::uint32_t{property[i]} << (8 * i);
  if (static_cast<std::int32_t>(count) < 0 || count > property.size() - 4) return std::nullopt;
  return property.subspan(4, count);
}

}  // namespace varnelta
