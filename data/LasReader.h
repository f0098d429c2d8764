#pragma once
// Reading a LAS point cloud (".las", versions 1.2 to 1.4, point formats 0 to
// 10, uncompressed) in pieces: the file is never held whole.
//
// Every point record gives X, Y and Z as integers that the header's scales
// and offsets turn into coordinates (value = integer * scale + offset). The
// points of the classes in LoadOptions::lasClasses are kept (all when the
// list is empty; the class is the low five bits of byte 15 in formats 0..5,
// byte 16 in formats 6..10). When more than 99 999 remain they are thinned on
// a grid (data/GridThinning.h), each occupied cell keeping its original
// point nearest the cell's centre; the cell is the smallest whole multiple of
// the coarser X/Y scale that leaves at most 99 999 points, or thinCell when
// given (which thins even a smaller cloud). The load note says how many
// points were read, how many the classes kept and how many remain.
//
// Refused: a compressed file (".laz", or the compression bits of the point
// format), with a message to convert it to LAS; a header that lies about
// its version, sizes, offsets or counts (data/LasHeader.h), before anything
// is allocated on its word; a file that ends before its last record; a
// coordinate too large to compute with; more than 30 million points of the
// chosen classes (held to choose the cell: 24 bytes each); a given cell that
// still leaves more than 99 999 points.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "common/ByteSource.h"
#include "data/DataFileReader.h"
#include "data/Document.h"

namespace plotvane {

ReadStatus ReadLas(ByteSource& source, const LoadOptions& options, Document& doc);

// The classes of a list such as "2" or "2,9" (commas or blanks between
// whole numbers 0..255); nullopt for anything else, an empty list included.
std::optional<std::vector<std::int32_t>> ParseLasClasses(std::string_view text);

}  // namespace plotvane
