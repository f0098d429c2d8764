#pragma once
// The page's content as a run of stream objects, deflated side by side.
//
// A page's /Contents may be an array of streams that a reader takes as one,
// split anywhere between operators. Deflating takes longer than making the
// content of a map of many pieces, so the content is cut into pieces of
// about 256 KiB, each deflated on its own by two worker threads while the
// caller goes on making the next, and written as a stream object in order.
// At most a few pieces wait at a time (the caller waits for the oldest when
// there are more), so a map of any size costs a fixed amount of memory. On
// a machine of one core the pieces are deflated in line.
//
// Nothing else may be written to the file between the first write and
// finish.

#include <memory>
#include <string>
#include <vector>

#include "render/pdf/PdfFile.h"

namespace plotvane::pdf {

class PdfContentStreams {
 public:
  explicit PdfContentStreams(PdfFile& file);
  ~PdfContentStreams();
  PdfContentStreams(const PdfContentStreams&) = delete;
  PdfContentStreams& operator=(const PdfContentStreams&) = delete;

  // Takes the bytes (leaving the string empty); they must end between two
  // operators.
  void write(std::string& bytes);
  // Writes what is left; returns the stream objects' numbers in order (at
  // least one).
  std::vector<int> finish();

 private:
  struct Workers;
  void submit();
  void writeFinished(bool waitForRoom);

  PdfFile& m_file;
  std::unique_ptr<Workers> m_workers;
  std::string m_piece;
  std::vector<int> m_objects;
};

}  // namespace plotvane::pdf
