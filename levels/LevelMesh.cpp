// The level arithmetic of the mesh. See LevelMesh.h.

#include "levels/LevelMesh.h"

#include "settings/NumberText.h"

namespace plotvane {

double LevelMesh::levelValue(std::int32_t k) const {
  const double value = m_z1 + k * (m_z2 - m_z1) / m_lineCount;
  // The binary sum of 0.1 steps is 110.39999999999999; files say the decimal
  // level the user asked for, 110.4, as the program prints every number.
  return ParseNumber(NumberText(value)).value_or(value);
}

}  // namespace plotvane
