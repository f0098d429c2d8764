// The QIODevice adapter of SafeFileWriter. See SafeFileDevice.h.

#include "qtplay/SafeFileDevice.h"

namespace plotvane::qtplay {

SafeFileDevice::SafeFileDevice(SafeFileWriter& file) : m_file(file) { open(QIODevice::WriteOnly); }

qint64 SafeFileDevice::readData(char*, qint64) { return -1; }

qint64 SafeFileDevice::writeData(const char* data, qint64 size) {
  if (m_file.failed()) return -1;
  m_file.write(std::string_view(data, static_cast<std::size_t>(size)));
  return m_file.failed() ? -1 : size;
}

}  // namespace plotvane::qtplay
