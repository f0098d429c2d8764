#pragma once
// Shared pieces of the hostile-input suites: a good data set to load before
// the hostile one, the check that nothing of it survives a failed load, and
// generators of large or odd inputs (made in the test, never committed).

#include <cstdint>
#include <string>
#include <string_view>

#include "data/Document.h"
#include "load/OpenDataFile.h"
#include "support/PointGenerators.h"
#include "support/TempDir.h"

namespace plotvane::test {

// Writes a good text data file into dir and loads it into doc; the test
// fails unless it meshes. Returns the copy of doc after that load.
Document LoadGoodFile(const TempDir& dir, Document& doc);

// After a load that did not mesh: doc is not drawable, holds no triangle and
// no locator, and answers no look-up at any point where the earlier data set
// had a value.
void ExpectNothingOfEarlierDataInUse(const Document& doc, const Document& earlier);

// After a load that meshed: every index names one of the new points, one
// distortion per triangle in 0..1, and the mesh coordinates in 0..100 (the
// maximum may lie one unit in the last place off 100: the product is rounded
// before the division).
void ExpectSoundMesh(const Document& doc);

// count lines, each line followed by lineEnd.
std::string RepeatedLines(std::string_view line, std::int64_t count, std::string_view lineEnd = "\r\n");

// Seeded random bytes, every value 0..255 possible.
std::string NoiseBytes(std::size_t size, std::uint32_t seed);

// The points of a text data file with the given line end after every line
// ("X\tY\tZ" header).
std::string PointsText(const Points& points, std::string_view lineEnd = "\r\n");

}  // namespace plotvane::test
