// Building skin archives: the inverse of TSkinReader, for the skin tool.
//
// BuildSkinArchive lays out the decompressed archive, CompressSkinStream turns it into the
// compressed stream (the 32-bit decompressed size followed by the LZHUF bit stream), and
// WrapSkinProperty puts a 32-bit byte count in front, as a form stores the stream.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace varnelta {

struct TSkinEntry {
  std::string name;  // a plain file name in the system's code page; stored as given
  std::vector<std::uint8_t> data;
};

// Raised for entries no reader could return: an empty name or one with a line break, two
// names equal without regard to case, more than TSkinReader::kMaxEntries entries, an unknown
// format code, or an archive above TSkinReader::kDefaultMaxArchiveSize.
class SkinWriteError : public std::runtime_error {
 public:
  explicit SkinWriteError(const std::string& message) : std::runtime_error(message) {}
};

// The decompressed archive: header, zeroed reserved block of the format, the names one per
// line (each followed by CR LF), the sizes and the data, all in the given order.
std::vector<std::uint8_t> BuildSkinArchive(std::int32_t formatCode,
                                           const std::vector<TSkinEntry>& entries);

// The compressed stream of an archive.
std::vector<std::uint8_t> CompressSkinStream(std::span<const std::uint8_t> archive);

// A compressed stream behind its 32-bit byte count.
std::vector<std::uint8_t> WrapSkinProperty(std::span<const std::uint8_t> stream);

// The compressed stream inside a stored property, or nothing when the count is negative or runs
// past the bytes. A count of 0 gives an empty stream; bytes after the counted ones are ignored.
std::optional<std::span<const std::uint8_t>> UnwrapSkinProperty(
    std::span<const std::uint8_t> property);

}  // namespace varnelta
