// PDF objects, cross references and deflated streams. See PdfFile.h.

#include "render/pdf/PdfFile.h"

// Input is never written to; declares next_in const.
#define ZLIB_CONST
#include <zlib.h>

#include <cassert>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <thread>

#include "common/TwoThreads.h"

namespace plotvane::pdf {
namespace {

constexpr std::size_t kChunk = 1 << 16;
// The fastest level: a page's content is a few repeated operators and
// numbers, which the fastest level already compresses well, and the
// content of a map of many pieces is large enough that a slower level would
// double the time of writing the file.
constexpr int kLevel = Z_BEST_SPEED;
// Pieces of content waiting for the worker: enough to ride over the two
// threads' uneven paces, few enough to keep the memory small.
constexpr std::size_t kQueueDepth = 4;

}  // namespace

PdfFile::PdfFile(const ByteOutput& output) : m_output(output) {
  // The comment's bytes above 127 tell transfer programs the file is binary.
  write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
}

int PdfFile::reserve() {
  m_offsets.push_back(0);
  return static_cast<int>(m_offsets.size());
}

void PdfFile::begin(int object) {
  assert(object >= 1 && static_cast<std::size_t>(object) <= m_offsets.size() && "a reserved object");
  m_offsets[static_cast<std::size_t>(object) - 1] = m_flushed + m_buffer.size();
  write(std::to_string(object) + " 0 obj\n");
}

void PdfFile::end() { write("\nendobj\n"); }

void PdfFile::write(std::string_view bytes) {
  m_buffer += bytes;
  if (m_buffer.size() >= kChunk) flush();
}

void PdfFile::flush() {
  if (m_buffer.empty()) return;
  m_output(m_buffer);
  m_flushed += m_buffer.size();
  m_buffer.clear();
}

void PdfFile::writeStream(int object, std::string_view dictionary, std::string_view data) {
  std::string packed(compressBound(static_cast<uLong>(data.size())), '\0');
  uLongf size = static_cast<uLongf>(packed.size());
  compress2(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
            static_cast<uLong>(data.size()), kLevel);
  packed.resize(size);
  begin(object);
  write("<<");
  write(dictionary);
  write(" /Filter /FlateDecode /Length " + std::to_string(size) + ">>\nstream\n");
  write(packed);
  write("\nendstream");
  end();
}

void PdfFile::finish(int root) {
  const std::uint64_t xref = m_flushed + m_buffer.size();
  write("xref\n0 " + std::to_string(m_offsets.size() + 1) + "\n0000000000 65535 f \n");
  char entry[24];
  for (const std::uint64_t offset : m_offsets) {
    std::snprintf(entry, sizeof entry, "%010llu 00000 n \n", static_cast<unsigned long long>(offset));
    write(entry);
  }
  write("trailer\n<</Size " + std::to_string(m_offsets.size() + 1) + " /Root " + std::to_string(root) +
        " 0 R>>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n");
  flush();
}

struct DeflateStream::State {
  z_stream z{};
  std::string out = std::string(kChunk, '\0');
  std::mutex guard;
  std::condition_variable changed;
  std::deque<std::string> queue;  // pieces waiting to be deflated
  bool closing = false;
  std::thread worker;
};

DeflateStream::DeflateStream(PdfFile& file) : m_file(file), m_state(std::make_unique<State>()) {
  deflateInit(&m_state->z, kLevel);
  if (AvailableThreads() >= 2) m_state->worker = std::thread([this] { work(); });
}

DeflateStream::~DeflateStream() {
  joinWorker();
  deflateEnd(&m_state->z);
}

// Lets the worker deflate what is queued and end.
void DeflateStream::joinWorker() {
  if (m_state->worker.joinable()) {
    {
      const std::lock_guard lock(m_state->guard);
      m_state->closing = true;
    }
    m_state->changed.notify_all();
    m_state->worker.join();
  }
}

void DeflateStream::write(std::string& bytes) {
  State& s = *m_state;
  if (!s.worker.joinable()) {
    pump(bytes, Z_NO_FLUSH);
    bytes.clear();
    return;
  }
  std::unique_lock lock(s.guard);
  s.changed.wait(lock, [&s] { return s.queue.size() < kQueueDepth; });
  s.queue.push_back(std::move(bytes));
  bytes.clear();
  s.changed.notify_all();
}

void DeflateStream::work() {
  State& s = *m_state;
  for (;;) {
    std::string piece;
    {
      std::unique_lock lock(s.guard);
      s.changed.wait(lock, [&s] { return !s.queue.empty() || s.closing; });
      if (s.queue.empty()) return;
      piece = std::move(s.queue.front());
      s.queue.pop_front();
      s.changed.notify_all();
    }
    pump(piece, Z_NO_FLUSH);
  }
}

std::uint64_t DeflateStream::finish() {
  joinWorker();
  pump({}, Z_FINISH);
  return m_written;
}

// Deflates the input into the file, a buffer's worth at a time.
void DeflateStream::pump(std::string_view input, int flush) {
  z_stream& z = m_state->z;
  z.next_in = reinterpret_cast<const Bytef*>(input.data());
  z.avail_in = static_cast<uInt>(input.size());
  int status = Z_OK;
  do {
    z.next_out = reinterpret_cast<Bytef*>(m_state->out.data());
    z.avail_out = static_cast<uInt>(m_state->out.size());
    status = deflate(&z, flush);
    const std::size_t produced = m_state->out.size() - z.avail_out;
    m_file.write(std::string_view(m_state->out.data(), produced));
    m_written += produced;
  } while (z.avail_out == 0 || (flush == Z_FINISH && status != Z_STREAM_END));
}

}  // namespace plotvane::pdf
