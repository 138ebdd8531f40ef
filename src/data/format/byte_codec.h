#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ductora {

// Little-endian loads from a pointer the caller has bounds-checked.
inline std::uint16_t loadU16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
inline std::uint32_t loadU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::uint64_t loadU64(const std::uint8_t* p) {
  return static_cast<std::uint64_t>(loadU32(p)) | (static_cast<std::uint64_t>(loadU32(p + 4)) << 32);
}

// Decodes fields from a bounded span. A read that would run past the end consumes nothing and
// yields 0 (or empty text), and every later read fails too: callers check sizes first, this is the
// net under them.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t remaining() const { return bytes_.size() - position_; }

  std::uint8_t u8();
  std::uint16_t u16();
  std::int16_t i16();
  std::uint32_t u32();
  double f64();
  // A fixed-width field holding a NUL-terminated string; without a NUL the whole field is the text.
  std::string text(std::size_t width);

 private:
  // The next count bytes, or nullptr (and failed) when fewer remain.
  const std::uint8_t* take(std::size_t count);

  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
  bool ok_ = true;
};

// Encodes fields little-endian at the end of a growing buffer.
class ByteWriter {
 public:
  void reserve(std::size_t bytes) { bytes_.reserve(bytes); }
  void u8(std::uint8_t value) { bytes_.push_back(value); }
  void u16(std::uint16_t value);
  void i16(std::int16_t value) { u16(static_cast<std::uint16_t>(value)); }
  void u32(std::uint32_t value);
  void f64(double value);
  // Writes min(text size, width) bytes and pads the field with zeros.
  void text(std::string_view text, std::size_t width);

  std::vector<std::uint8_t> take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace ductora
