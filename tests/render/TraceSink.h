#pragma once
// A playback output that writes down what it is told, one line per call, so
// tests can compare what a picture plays as with what they drew:
//   pen solid 20.00 0000ff       (style, width in output units, colour bgr hex)
//   brush solid 0000ff | brush pattern 8822882288228822
//   font 16.00 esc 900 ＭＳ Ｐゴシック
//   polygon (x,y) (x,y) ...       (two decimals)
//   polyline (x,y) ...
//   line (x,y) (x,y)
//   text centre (x,y) clip (l,t,r,b) Demo   | text left (x,y) Demo
// The raw calls are also kept for numeric checks.

#include <string>
#include <vector>

#include "render/gdi/Playback.h"

namespace plotvane::test {

class TraceSink final : public gdi::PlaybackSink {
 public:
  void setPen(const gdi::LOGPEN& pen, double width) override;
  void setBrush(const gdi::LOGBRUSH& brush) override;
  void setFont(const gdi::LOGFONT& font, double height) override;
  void polygon(std::span<const gdi::PointF> points) override;
  void polyline(std::span<const gdi::PointF> points) override;
  void line(gdi::PointF from, gdi::PointF to) override;
  void text(const gdi::TextRun& run) override;
  void clip(std::span<const gdi::PointF> polygon) override;

  // Every line, in order.
  std::vector<std::string> lines;
  // The points of every polygon, in order.
  std::vector<std::vector<gdi::PointF>> polygons;
  std::vector<gdi::TextRun> runs;  // for positions only: the text views end with the play
  double lastPenWidth = -1.0;
  double lastFontHeight = 0.0;

  // The lines that start with the prefix.
  std::vector<std::string> linesStartingWith(const std::string& prefix) const;
};

// Plays the picture with its frame mapped onto itself (frame space, 0.01 mm,
// y downward) and returns the trace.
TraceSink TraceInFrameSpace(const gdi::EnhMetaFile& picture);

}  // namespace plotvane::test
