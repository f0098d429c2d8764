// Little-endian record layout. See EmfRecords.h.

#include "render/emf/EmfRecords.h"

#include <bit>
#include <cassert>

namespace plotvane::emf {

std::size_t RecordBuffer::begin(Emr type) {
  assert(m_bytes.size() % 4 == 0 && "records start on a 4-byte boundary");
  const std::size_t start = m_bytes.size();
  u32(static_cast<std::uint32_t>(type));
  u32(0);  // size, filled in by end()
  return start;
}

void RecordBuffer::end(std::size_t start) {
  pad4();
  patch32(start + 4, static_cast<std::uint32_t>(m_bytes.size() - start));
  ++m_records;
}

void RecordBuffer::u16(std::uint16_t v) {
  u8(static_cast<std::uint8_t>(v & 0xFF));
  u8(static_cast<std::uint8_t>(v >> 8));
}

void RecordBuffer::u32(std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) u8(static_cast<std::uint8_t>((v >> shift) & 0xFF));
}

void RecordBuffer::f32(float v) { u32(std::bit_cast<std::uint32_t>(v)); }

void RecordBuffer::rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
  i32(left);
  i32(top);
  i32(right);
  i32(bottom);
}

void RecordBuffer::utf16(std::u16string_view text, std::size_t units) {
  for (std::size_t i = 0; i < units; ++i) u16(i < text.size() ? static_cast<std::uint16_t>(text[i]) : 0);
}

void RecordBuffer::pad4() {
  while (m_bytes.size() % 4 != 0) u8(0);
}

void RecordBuffer::patch32(std::size_t offset, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) m_bytes[offset + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

void RecordBuffer::patch16(std::size_t offset, std::uint16_t v) {
  m_bytes[offset] = static_cast<char>(v & 0xFF);
  m_bytes[offset + 1] = static_cast<char>(v >> 8);
}

}  // namespace plotvane::emf
