// Content streams deflated on worker threads. See PdfContentStreams.h.

#include "render/pdf/PdfContentStreams.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "common/TwoThreads.h"

namespace plotvane::pdf {
namespace {

// Large enough that deflating each piece alone costs almost nothing in size
// and the hand-overs are few; small enough to keep the memory small.
constexpr std::size_t kPiece = std::size_t{1} << 18;
// Pieces in the workers' hands or waiting to be written: enough to keep both
// workers busy while the oldest waits for its turn.
constexpr std::size_t kPiecesInFlight = 4;

struct Piece {
  std::string content;
  std::string packed;
  bool done = false;
};

}  // namespace

struct PdfContentStreams::Workers {
  std::mutex guard;
  std::condition_variable changed;
  std::deque<std::unique_ptr<Piece>> inOrder;  // every piece not yet written, oldest first
  std::deque<Piece*> waiting;                  // those no worker has taken yet
  bool closing = false;
  std::vector<std::thread> threads;

  void work() {
    for (;;) {
      Piece* piece = nullptr;
      {
        std::unique_lock lock(guard);
        changed.wait(lock, [this] { return !waiting.empty() || closing; });
        if (waiting.empty()) return;
        piece = waiting.front();
        waiting.pop_front();
      }
      std::string packed = Deflate(piece->content);
      {
        const std::lock_guard lock(guard);
        piece->packed = std::move(packed);
        piece->content = std::string();
        piece->done = true;
      }
      changed.notify_all();
    }
  }
};

PdfContentStreams::PdfContentStreams(PdfFile& file) : m_file(file), m_workers(std::make_unique<Workers>()) {
  if (AvailableThreads() < 2) return;
  for (int k = 0; k < 2; ++k) m_workers->threads.emplace_back([this] { m_workers->work(); });
}

PdfContentStreams::~PdfContentStreams() {
  {
    const std::lock_guard lock(m_workers->guard);
    m_workers->closing = true;
  }
  m_workers->changed.notify_all();
  for (std::thread& thread : m_workers->threads) thread.join();
}

void PdfContentStreams::write(std::string& bytes) {
  m_piece += bytes;
  bytes.clear();
  if (m_piece.size() >= kPiece) submit();
}

void PdfContentStreams::submit() {
  auto piece = std::make_unique<Piece>();
  piece->content = std::move(m_piece);
  m_piece = std::string();
  m_piece.reserve(kPiece + kPiece / 8);
  if (m_workers->threads.empty()) {
    piece->packed = Deflate(piece->content);
    piece->done = true;
    m_workers->inOrder.push_back(std::move(piece));
  } else {
    {
      const std::lock_guard lock(m_workers->guard);
      m_workers->waiting.push_back(piece.get());
      m_workers->inOrder.push_back(std::move(piece));
    }
    m_workers->changed.notify_all();
  }
  writeFinished(true);
}

// Writes the oldest pieces that are deflated, in order; with waitForRoom,
// first waits for the oldest while too many are in flight, and without it
// waits for every piece.
void PdfContentStreams::writeFinished(bool waitForRoom) {
  Workers& w = *m_workers;
  for (;;) {
    std::unique_ptr<Piece> piece;
    {
      std::unique_lock lock(w.guard);
      if (w.inOrder.empty()) return;
      const bool mustWait = !waitForRoom || w.inOrder.size() > kPiecesInFlight;
      if (!w.inOrder.front()->done && !mustWait) return;
      w.changed.wait(lock, [&w] { return w.inOrder.front()->done; });
      piece = std::move(w.inOrder.front());
      w.inOrder.pop_front();
    }
    const int object = m_file.reserve();
    m_file.writeDeflated(object, "", piece->packed);
    m_objects.push_back(object);
  }
}

std::vector<int> PdfContentStreams::finish() {
  if (!m_piece.empty() || (m_objects.empty() && m_workers->inOrder.empty())) submit();
  writeFinished(false);
  return m_objects;
}

}  // namespace plotvane::pdf
