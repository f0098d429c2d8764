#pragma once
// The six parameters of the grid conversion, read from the texts of its
// window: per axis the first grid coordinate (origin), the step (interval) and
// the number of grid lines (count), in data units.
//
// Every text must be numeric (the whole text one number; see NumberText.h),
// otherwise the conversion does not start and nothing is reported. Origins and
// intervals are kept in double precision, counts rounded to whole numbers
// with halves to even (2.5 -> 2, 3.5 -> 4). A value beyond the
// single-precision range (or a count beyond 32 bits), or a grid whose last
// coordinate is beyond the single-precision range, is an error with a message
// for the user. Intervals may be negative or zero; a count of 0 or less gives
// no grid points.
//
// The original method took origins and intervals in single precision, which
// on survey and UTM coordinates (4 100 010.1) moves the grid by up to a
// quarter of a metre; GridCoordinate (GridConversion.h) keeps single
// precision only where it loses nothing that 7 digits would show.

#include <cstdint>
#include <string>
#include <string_view>

namespace plotvane {

struct GridTexts {
  std::string originX;    // first box of the X column
  std::string intervalX;  // second
  std::string countX;     // third
  std::string originY;    // first box of the Y column
  std::string intervalY;
  std::string countY;
};

struct GridParameters {
  double originX = 0, intervalX = 0;
  std::int32_t countX = 0;
  double originY = 0, intervalY = 0;
  std::int32_t countY = 0;
};

struct GridParametersRead {
  enum class Status { Ready, NotNumeric, TooLarge };
  Status status = Status::NotNumeric;
  GridParameters parameters;  // meaningful when Ready
  std::string error;          // the user's message when TooLarge
};

GridParametersRead ReadGridParameters(const GridTexts& texts);

}  // namespace plotvane
