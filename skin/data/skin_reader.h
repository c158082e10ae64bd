// TSkinReader: opens a skin archive and hands out its entries by name.
//
// A compressed skin stream is a 32-bit little-endian decompressed size followed by an LZHUF
// bit stream (lzh.h). The decompressed archive is
//   format code (4) | name list length L (4) | two unused 32-bit values (8) |
//   reserved block (size by format code) | name list (L bytes, one name per line) |
//   one 32-bit size per name | the entries' bytes back to back in name order.
// All numbers are little-endian. Names are kept in lower case; lookups scan in name order and
// the first match wins.
//
// The archive is untrusted. An archive that contradicts itself (a name list or size table
// running past the data, a negative size, more names than the format holds, a declared size
// above the limit) is damaged: the load fails quietly and the reader stays empty. Only an
// unknown format code is reported, through the message handler given at construction.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace varnelta {

// Shows a message to the user: a message box in the program, a line on standard error in the
// skin tool.
using TSkinMessageHandler = std::function<void(const std::string& message)>;

// The text shown for an archive of an unknown format (a carriage return between the sentences).
inline constexpr const char* kOlderSkinMessage =
    "This is Older Skin File\rPlease update to new version !";

// The format codes an archive may carry, and the size of the reserved block each one has after
// the 16-byte header; -1 for an unknown code.
inline constexpr std::array<std::int32_t, 5> kSkinFormatCodes{20000, 30000, 40000, 50000, 60000};
int SkinReservedBlockSize(std::int32_t formatCode);

// Splits a name list into names: a line ends at CR LF, a lone CR or a lone LF; a break after the
// last name adds no entry. Letters A to Z are lower-cased. Stops after `limit` + 1 names, so a
// list of millions of line breaks costs no more than one that is just too long.
std::vector<std::string> SplitSkinNames(std::string_view text,
                                        std::size_t limit = SIZE_MAX);

class TSkinReader {
 public:
  // The size table's room: archives with more names are damaged.
  static constexpr std::size_t kMaxEntries = 1001;
  // The largest decompressed size accepted by default (64 MiB).
  static constexpr std::int64_t kDefaultMaxArchiveSize = std::int64_t{64} << 20;

  // Where an entry lies in the entry data; `available` is false when its size runs past the
  // end of the data (the entry then reads as missing). `intact` is false when part of its data
  // was decoded after the compressed stream had ended (a truncated file: the bytes are made up).
  struct Entry {
    std::string name;
    std::int32_t size = 0;
    std::size_t offset = 0;
    bool available = false;
    bool intact = false;
  };

  explicit TSkinReader(TSkinMessageHandler onMessage = {});

  void SetMessageHandler(TSkinMessageHandler onMessage) { onMessage_ = std::move(onMessage); }

  // Lowers the largest decompressed size accepted (for callers with tighter limits, such as
  // the fuzzer); values above the default are capped to it.
  void SetMaxArchiveSize(std::int64_t bytes);

  // Decompresses `stream` (size field and bit stream) and reads the archive. True when the
  // archive was read; false for an unknown format code (the message is shown) or a damaged
  // or empty stream (silently). A failed load leaves the reader empty.
  bool LoadFromStream(std::span<const std::uint8_t> stream);

  // Reads an already decompressed archive; same results as LoadFromStream.
  bool LoadArchive(std::span<const std::uint8_t> archive);

  // Replaces `destination` with the data of the first entry whose name equals `name` (compared
  // after lower-casing it). No match, or an entry that is not available, leaves it empty.
  // True when an entry was copied.
  bool ExtractFile(std::string_view name, std::vector<std::uint8_t>& destination) const;

  // Replaces `destination` with the first entry whose name contains `text` (as given, against
  // the lower-cased names) and sets `foundName` to that entry's name. Without a match the
  // destination and `foundName` are left empty. True when an entry was found.
  bool ExtractFirstMatch(std::string_view text, std::vector<std::uint8_t>& destination,
                         std::string& foundName) const;

  bool Loaded() const { return loaded_; }
  std::int32_t FormatCode() const { return formatCode_; }
  std::size_t Count() const { return entries_.size(); }
  const std::vector<Entry>& Entries() const { return entries_; }
  // The bytes of an entry; empty for one that is not available.
  std::span<const std::uint8_t> Data(const Entry& entry) const;

 private:
  void Clear();
  bool Fail();
  // Reads `archive`; when `owned` holds those same bytes, the entry data is taken from it
  // instead of copied.
  // Only the first `intactSize` bytes of the archive came from the stream itself.
  bool Parse(std::span<const std::uint8_t> archive, std::vector<std::uint8_t>* owned,
             std::size_t intactSize = SIZE_MAX);
  void Copy(const Entry& entry, std::vector<std::uint8_t>& destination) const;

  TSkinMessageHandler onMessage_;
  std::int64_t maxArchiveSize_ = kDefaultMaxArchiveSize;
  bool loaded_ = false;
  std::int32_t formatCode_ = 0;
  std::vector<Entry> entries_;
  std::vector<std::uint8_t> data_;  // the entry data: the archive from its first entry on
};

}  // namespace varnelta
