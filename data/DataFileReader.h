#pragma once
// ReadDataFile: a text data file (".txt", or ".csv", ".xyz", ".dat": the same
// columns under the names other programs give them) or a contour file
// (".ctr") into the point set, and for a contour file into the drawing
// settings. A survey file (".sim" and the others of data/DataFileKind.h)
// goes to its own reader (data/SurveyFileReader.h), which ignores the skip
// settings and the column choice: its records say which field is which.
//
// A text data file is a header line of column names, then X, Y, Z per line.
// A contour file is the settings block (settings/SettingsBlock.h), an empty
// line, the column names and the points, tab-separated. Two older forms are
// read too: the block without its three fill-mode lines (the fill mode is then
// colour), and no block at all, read like a text data file. Which one a file
// is follows from its first thirteen accepted lines (see DataFileReader.cpp).
//
// The read runs in two phases. First every line is read, filtered and cut
// into fields (data/DataFileLines.h, which states the line and field rules);
// this happens whatever the file's name, so an unreadable file or one beyond
// the limits fails even if its name ends otherwise. Then the name decides the
// kind (data/DataFileKind.h), case-sensitively; anything else (".TXT"
// included) leaves everything as it was.
//
// The first accepted line of a text data file is always the header; its first
// three fields become labelX, labelY, labelZ (missing ones empty). Numbers are
// read strictly (settings/NumberText.h ParseNumber): an empty field or any
// other text is invalid data. The file's text is decoded first
// (common/TextDecoding.h), so labels from UTF-8 and from CP932 files both arrive
// as UTF-8.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/Document.h"

namespace plotvane {

// Which lines at the start of a data file are not data: the first `lines`
// lines, and lines that begin with one of the blank-separated `prefixes`.
struct SkipOptions {
  std::int16_t lines = 0;
  std::string prefixes;
};

// How a text data file's fields become the points: which fields are X, Y and
// Z (1-based, any of the first 100; a line that lacks a chosen field has it
// empty, which is invalid data on a point line), and whether the file's X is
// north. Survey coordinates (the plane rectangular systems) give X as
// northing and Y as easting; with xNorth the reader hands the points over in
// map order, east first, each column with its own name: dataX and labelX are
// the file's Y column, dataY and labelY its X column. A contour file ignores
// both (its points are already in map order).
//
// The survey formats take options of their own: a LAS file keeps the points
// of the classes listed in lasClasses (all when empty) and is thinned on a
// grid of cells thinCell wide (0: the smallest cell that leaves at most
// 99 999 points, used only when there are more; data/LasReader.h); a LandXML
// file gives the surface named surface (the first when empty).
// What a load does with points of the same X and Y: refuse the file (the
// rule of the program), keep the first of them, or keep one with their mean Z.
enum class DuplicateRule { Refuse, First, Mean };

struct LoadOptions {
  std::array<std::int32_t, 3> columns{1, 2, 3};
  bool xNorth = false;
  std::vector<std::int32_t> lasClasses{};
  double thinCell = 0.0;
  std::string surface{};
  DuplicateRule duplicates = DuplicateRule::Refuse;
  bool operator==(const LoadOptions&) const = default;
};

enum class ReadStatus {
  Ok,           // doc.points filled (nn may be 0: a header only, or no line at all); errMsg empty
  UnknownKind,  // the name is not a data file's (DataFileKind.h): nothing changed, errMsg empty
  InvalidData,  // a point field is not a number, or a column's range overflows; errMsg = invalid data,
                // errDetail = the line number and the field's text, or the column
  CannotOpen,   // the file cannot be opened or read; errMsg = unexpected failure, errDetail = the
                // file and the reason
  Unexpected,   // a limit exceeded or a settings value rejected; errMsg = unexpected failure
};

// Reads path into doc.points (nn, dataX/Y/Z from index 1, the labels) and,
// for a contour file, doc.settings, leaving out the lines `skip` names; sets
// doc.errMsg and doc.errDetail. On every failure nn is 0 and dataX/Y/Z hold element 0
// only, while what was assigned before the failure stays: the settings a
// contour file gave, and the labels. The caller resets doc.settings before a
// load; the reader only writes what the file gives.
ReadStatus ReadDataFile(const std::string& path, Document& doc, const SkipOptions& skip = {},
                        const LoadOptions& options = {});

// The same for file bytes already in memory; name decides the kind as the
// path does above, and nothing is opened, so CannotOpen never comes back.
ReadStatus ReadDataBytes(std::string_view bytes, std::string_view name, Document& doc, const SkipOptions& skip = {},
                         const LoadOptions& options = {});

}  // namespace plotvane
