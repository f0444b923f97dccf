#pragma once
// Little-endian (and the one big-endian) readers and writers over byte spans,
// so record layouts are read field by field and never by casting a buffer.

#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace bingo {

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}
  std::uint8_t u8(std::size_t at) const { return m_bytes[at]; }
  std::uint16_t u16le(std::size_t at) const {
    return static_cast<std::uint16_t>(m_bytes[at] | (m_bytes[at + 1] << 8));
  }
  std::uint16_t u16be(std::size_t at) const {
    return static_cast<std::uint16_t>((m_bytes[at] << 8) | m_bytes[at + 1]);
  }
  std::uint32_t u32le(std::size_t at) const {
    return static_cast<std::uint32_t>(m_bytes[at]) | (static_cast<std::uint32_t>(m_bytes[at + 1]) << 8) |
           (static_cast<std::uint32_t>(m_bytes[at + 2]) << 16) |
           (static_cast<std::uint32_t>(m_bytes[at + 3]) << 24);
  }
  std::int32_t i32le(std::size_t at) const { return static_cast<std::int32_t>(u32le(at)); }
  double f64le(std::size_t at) const {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | m_bytes[at + static_cast<std::size_t>(i)];
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }
  // A length-prefixed 8-bit text of at most maxLength characters.
  std::string shortString(std::size_t at, std::size_t maxLength) const {
    const std::size_t length = std::min<std::size_t>(m_bytes[at], maxLength);
    return std::string(reinterpret_cast<const char*>(m_bytes.data() + at + 1), length);
  }
  std::span<const std::uint8_t> bytes() const { return m_bytes; }

 private:
  std::span<const std::uint8_t> m_bytes;
};

class ByteWriter {
 public:
  explicit ByteWriter(std::span<std::uint8_t> bytes) : m_bytes(bytes) {}
  void u8(std::size_t at, std::uint8_t v) { m_bytes[at] = v; }
  void u16le(std::size_t at, std::uint16_t v) {
    m_bytes[at] = static_cast<std::uint8_t>(v);
    m_bytes[at + 1] = static_cast<std::uint8_t>(v >> 8);
  }
  void u16be(std::size_t at, std::uint16_t v) {
    m_bytes[at] = static_cast<std::uint8_t>(v >> 8);
    m_bytes[at + 1] = static_cast<std::uint8_t>(v);
  }
  void u32le(std::size_t at, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i) m_bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  }
  void i32le(std::size_t at, std::int32_t v) { u32le(at, static_cast<std::uint32_t>(v)); }
  void f64le(std::size_t at, double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (std::size_t i = 0; i < 8; ++i) m_bytes[at + i] = static_cast<std::uint8_t>(bits >> (8 * i));
  }
  // Writes a length byte and up to maxLength characters (the rest of the field untouched).
  void shortString(std::size_t at, std::string_view text, std::size_t maxLength) {
    const std::size_t length = std::min(text.size(), maxLength);
    m_bytes[at] = static_cast<std::uint8_t>(length);
    std::memcpy(m_bytes.data() + at + 1, text.data(), length);
  }

 private:
  std::span<std::uint8_t> m_bytes;
};

// One BCD byte: high nibble tens, low nibble units; a nibble above 9 counts as 0.
constexpr unsigned bcdByte(std::uint8_t b) {
  const unsigned hi = b >> 4, lo = b & 0x0F;
  return (hi > 9 ? 0 : hi) * 10 + (lo > 9 ? 0 : lo);
}

// A run of BCD bytes, most significant first, factor 100 per byte.
constexpr std::uint32_t bcdNumber(std::span<const std::uint8_t> bytes) {
  std::uint32_t value = 0;
  for (std::uint8_t b : bytes) value = value * 100 + bcdByte(b);
  return value;
}

}  // namespace bingo
