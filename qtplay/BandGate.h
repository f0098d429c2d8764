#pragma once
// Where the bands of an image drawn on several threads (PixelSink.h) wait for
// one another.
//
// Every band walks the same records in the same order. Most of them a band
// draws on its own, into its own rows; a text it cannot: the text's pixels
// may fall in any band, and glyphs cut at a band's edge need not come out as
// whole ones do. So at each text all bands meet, band 0 draws it on the whole
// image while the others wait, and all go on. A record that a band can draw
// neither alone nor at a meeting (a pen wider than a pixel) stops the bands
// altogether: the caller then draws the image again in one pass.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace plotvane::qtplay {

class BandGate {
 public:
  explicit BandGate(int bands) : m_bands(bands) {}

  // Band `band` at its text number `text` (counted from 0 by each band):
  // band 0 runs draw() once every other band has arrived; the others return
  // after it has. Returns at once when the bands have been stopped.
  template <typename Draw>
  void meet(int band, std::uint64_t text, Draw draw) {
    std::unique_lock lock(m_mutex);
    if (band != 0) {
      ++m_arrived;
      m_changed.notify_all();
      m_changed.wait(lock, [&] { return m_drawn > text || stopped(); });
      return;
    }
    m_changed.wait(lock, [&] { return m_arrived == m_bands - 1 || stopped(); });
    if (stopped()) return;
    m_arrived = 0;
    draw();
    ++m_drawn;
    m_changed.notify_all();
  }

  void stop() {
    const std::lock_guard lock(m_mutex);
    m_stopped.store(true, std::memory_order_relaxed);
    m_changed.notify_all();
  }
  bool stopped() const { return m_stopped.load(std::memory_order_relaxed); }

 private:
  const int m_bands;
  std::mutex m_mutex;
  std::condition_variable m_changed;
  int m_arrived = 0;          // bands other than 0 waiting at the current text
  std::uint64_t m_drawn = 0;  // texts drawn so far
  std::atomic<bool> m_stopped{false};
};

}  // namespace plotvane::qtplay
