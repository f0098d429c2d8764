#include "app/PageFileWriter.h"

#include <utility>

#include "render/emf/EmfWriter.h"

namespace plotvane::app {

void PageFileWriter::write(gdi::EnhMetaFile page, std::string path) {
  wait();
  // A failure leaves the previous page there; the page in memory is the one
  // saving, printing and copying read.
  m_thread = std::thread(
      [page = std::move(page), path = std::move(path)] { gdi::CopyEnhMetaFileA(page, path, Durability::Scratch); });
}

void PageFileWriter::wait() {
  if (m_thread.joinable()) m_thread.join();
}

}  // namespace plotvane::app
