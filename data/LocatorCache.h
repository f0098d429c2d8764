#pragma once
// The slot in which a mesh keeps its spatial index (tools/MeshLocator.h).
//
// Loading, showing, meshing and drawing never look a value up, so the index
// is built on the first look-up instead of at every load:
// - get(build) returns the index, calling build() to make it while the slot is
//   empty. Look-ups from several threads on one unchanged mesh are safe: one
//   of them builds, the others wait for it.
// - reset() empties the slot. Whoever changes meshX, meshY, nt or ipt resets
//   it (Mesh::clearTriangles does); like any change of the mesh it must not
//   run while another thread reads the mesh.
// - A copy of a mesh shares the index built so far, which describes the copy
//   as well; an index built later belongs to the mesh that built it.

#include <atomic>
#include <memory>
#include <mutex>

namespace plotvane {

class MeshLocator;

class LocatorCache {
 public:
  LocatorCache() = default;
  LocatorCache(const LocatorCache& other) : m_index(other.shared()) { publish(); }
  LocatorCache& operator=(const LocatorCache& other) {
    if (this == &other) return *this;
    std::shared_ptr<const MeshLocator> index = other.shared();
    const std::lock_guard lock(m_mutex);
    m_index = std::move(index);
    publish();
    return *this;
  }

  template <typename Build>
  const MeshLocator& get(Build&& build) const {
    if (const MeshLocator* ready = m_ready.load(std::memory_order_acquire)) return *ready;
    const std::lock_guard lock(m_mutex);
    if (!m_index) {
      m_index = build();
      publish();
    }
    return *m_index;
  }

  bool built() const { return m_ready.load(std::memory_order_acquire) != nullptr; }

  void reset() {
    const std::lock_guard lock(m_mutex);
    m_index.reset();
    publish();
  }

 private:
  std::shared_ptr<const MeshLocator> shared() const {
    const std::lock_guard lock(m_mutex);
    return m_index;
  }
  // Called with m_mutex held (or during construction).
  void publish() const { m_ready.store(m_index.get(), std::memory_order_release); }

  mutable std::mutex m_mutex;  // guards m_index
  mutable std::shared_ptr<const MeshLocator> m_index;
  // m_index.get(), read without the lock once the index exists.
  mutable std::atomic<const MeshLocator*> m_ready{nullptr};
};

}  // namespace plotvane
