// Little-endian record layout. See EmfRecords.h.

#include "render/emf/EmfRecords.h"

#include <bit>

namespace plotvane::emf {

void RecordBuffer::begin(Emr type) {
  m_record.clear();
  m_length = 0;
  u32(static_cast<std::uint32_t>(type));
  u32(0);  // size, filled in by end()
}

void RecordBuffer::end() {
  pad4();
  const auto size = static_cast<std::uint32_t>(m_length);
  if (m_output) {
    for (int i = 0; i < 4; ++i) m_record[4 + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
    m_output(m_record);
  }
  m_size += size;
  ++m_records;
}

void RecordBuffer::put(const char* bytes, std::size_t count) {
  m_length += count;
  if (m_output) m_record.append(bytes, count);
}

void RecordBuffer::u16(std::uint16_t v) {
  const char bytes[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
  put(bytes, 2);
}

void RecordBuffer::u32(std::uint32_t v) {
  const char bytes[4] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                         static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
  put(bytes, 4);
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
  while (m_length % 4 != 0) u8(0);
}

}  // namespace plotvane::emf
