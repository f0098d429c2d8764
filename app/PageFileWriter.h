#pragma once
// Writes the page file beside the program on a thread of its own.
//
// The page file of a full map is tens of megabytes; encoding it on the
// window's thread would hold the map back from the screen for as long. The
// page is immutable once composed, so the writer can encode it while the
// window draws. One write at a time: a new write, wait() and destruction
// each first let the previous one finish, so the file is only ever written
// by one thread and is whole whenever anyone is told its path.

#include <string>
#include <thread>

#include "render/gdi/EnhMetaFile.h"

namespace plotvane::app {

class PageFileWriter {
 public:
  PageFileWriter() = default;
  ~PageFileWriter() { wait(); }
  PageFileWriter(const PageFileWriter&) = delete;
  PageFileWriter& operator=(const PageFileWriter&) = delete;

  // Starts writing page at path, after the write before has finished.
  void write(gdi::EnhMetaFile page, std::string path);
  // Returns once the last write has finished.
  void wait();

 private:
  std::thread m_thread;
};

}  // namespace plotvane::app
