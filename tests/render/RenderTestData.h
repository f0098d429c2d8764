#pragma once
// Documents for the renderer's tests, loaded by the load road from a data
// file written for the test.

#include "data/Document.h"

namespace plotvane::test {

// A jittered lattice of nx x ny points over X 0..100, Y 0..50 (seeded), with
// Z = X: the levels rise from left to right. Loaded and meshed, with the
// default settings of a plain data file.
Document RampDocument(int nx = 11, int ny = 6);

}  // namespace plotvane::test
