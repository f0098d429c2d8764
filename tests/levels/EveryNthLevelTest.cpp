// Every n-th level from the base's multiples: index contours and chosen
// label levels on round values, whatever Z1 the data gave.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "levels/EveryNthLevel.h"

namespace plotvane {
namespace {

struct NthCase {
  std::string name;
  std::vector<double> values;
  double step, base;
  std::int32_t m;
  std::vector<double> taken;
};

TEST(EveryNthLevel, CountsFromTheBasesMultiplesOrElseFromTheFirst) {
  const std::vector<NthCase> cases{
      {"metres from 97", {97, 98, 99, 100, 101, 102, 103, 104, 105, 106}, 1, 0, 5, {100, 105}},
      {"base off zero", {-0.5, 0.5, 1.5, 2.5, 3.5, 4.5}, 1, 0.5, 2, {0.5, 2.5, 4.5}},
      // Decimal steps as the settings' seven digits give them back.
      {"decimal steps",
       {110.1, 110.2, 110.30000001, 110.39999999, 110.5, 110.6},
       0.1,
       0,
       2,
       {110.2, 110.39999999, 110.6}},
      {"below zero", {-15, -10, -5, 0, 5}, 5, 0, 2, {-10, 0}},
      // No level on the base's multiples: every m-th from the first.
      {"steps off the base", {3.7, 4.9, 6.1, 7.3, 8.5}, 1.2, 0, 2, {3.7, 6.1, 8.5}},
      {"chosen levels", {10, 12.5, 15, 20, 30}, 0, 0, 3, {10, 20}},
  };
  for (const NthCase& c : cases) {
    const std::vector<bool> taken = EveryNthLevel(c.values, c.step, c.base, c.m);
    std::vector<double> got;
    for (std::size_t k = 0; k < c.values.size(); ++k)
      if (taken[k]) got.push_back(c.values[k]);
    EXPECT_EQ(got, c.taken) << c.name;
  }
}

TEST(EveryNthLevel, PageLevelsAreItsEvenStepsOrItsChosenLevels) {
  DrawParameters even;
  even.z1 = 96;
  even.z2 = 112;
  even.lineCount = 8;  // every 2 m
  EXPECT_EQ(PageEveryNthLevel(even, 0, 5),
            (std::vector<bool>{false, false, true, false, false, false, false, true, false}));  // 100, 110
  DrawParameters chosen = even;
  chosen.levelValues = {1, 2, 4, 8};
  EXPECT_EQ(PageEveryNthLevel(chosen, 0, 2), (std::vector<bool>{true, false, true, false}));
}

}  // namespace
}  // namespace plotvane
