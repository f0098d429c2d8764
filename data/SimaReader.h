#pragma once
// Reading a SIMA survey file (".sim"): comma-separated records, each line
// opened by its kind. The text arrives decoded (common/TextDecoding.h: CP932,
// or UTF-8 with or without a byte-order mark).
//
// Records read:
// - "A01,number,name,X,Y,H," a point. X is north and Y east, as in the plane
//   rectangular systems, so the point enters the set as (Y, X, H): east to
//   the right, north up, with no option to give. The columns are named
//   "Y(東)", "X(北)" and "H". A point whose H is empty is no point of the
//   surface: it is left out and counted (its position still serves the
//   parcels); the load note says how many.
// - "D00,number,name,..." opens a parcel, "B01,number,name," adds the point
//   of that number as its next corner, "D99" closes it. Parcels go to
//   doc.survey.parcels and nowhere else.
// Every other kind of record (the header G00, the section marks A00, A99 and
// Z00, lines of other kinds) is skipped, and so are empty lines.
//
// Refused, as invalid data with the line number and the field: a point
// without a number, an X or Y that is not a number, an H that is neither
// empty nor a number, a point number given twice, a B01 outside a parcel or
// naming no point of the file, a D00 inside a parcel, a D99 outside one, a
// parcel the file does not close. More than 99 999 points is the unexpected
// failure, as for a text data file.

#include <string_view>

#include "data/DataFileReader.h"
#include "data/Document.h"

namespace plotvane {

ReadStatus ReadSima(std::string_view text, Document& doc);

}  // namespace plotvane
