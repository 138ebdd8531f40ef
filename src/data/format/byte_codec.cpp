#include "data/format/byte_codec.h"

#include <algorithm>

namespace ductora {

const std::uint8_t* ByteReader::take(std::size_t count) {
  if (!ok_ || count > remaining()) {
    ok_ = false;
    return nullptr;
  }
  const std::uint8_t* start = bytes_.data() + position_;
  position_ += count;
  return start;
}

std::uint8_t ByteReader::u8() {
  const std::uint8_t* p = take(1);
  return p != nullptr ? p[0] : 0;
}

std::uint16_t ByteReader::u16() {
  const std::uint8_t* p = take(2);
  return p != nullptr ? loadU16(p) : 0;
}

std::int16_t ByteReader::i16() { return static_cast<std::int16_t>(u16()); }

std::uint32_t ByteReader::u32() {
  const std::uint8_t* p = take(4);
  return p != nullptr ? loadU32(p) : 0;
}

double ByteReader::f64() {
  const std::uint8_t* p = take(8);
  return std::bit_cast<double>(p != nullptr ? loadU64(p) : std::uint64_t{0});
}

std::string ByteReader::text(std::size_t width) {
  const std::uint8_t* p = take(width);
  if (p == nullptr) {
    return {};
  }
  const std::uint8_t* end = std::find(p, p + width, std::uint8_t{0});
  return std::string(p, end);
}

void ByteWriter::u16(std::uint16_t value) {
  bytes_.push_back(static_cast<std::uint8_t>(value));
  bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::u32(std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) {
    bytes_.push_back(static_cast<std::uint8_t>(value >> shift));
  }
}

void ByteWriter::f64(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  u32(static_cast<std::uint32_t>(bits));
  u32(static_cast<std::uint32_t>(bits >> 32));
}

void ByteWriter::text(std::string_view text, std::size_t width) {
  const std::size_t used = std::min(text.size(), width);
  bytes_.insert(bytes_.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(used));
  bytes_.insert(bytes_.end(), width - used, std::uint8_t{0});
}

}  // namespace ductora
