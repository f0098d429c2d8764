// The level arithmetic of the mesh. See LevelMesh.h.

#include "levels/LevelMesh.h"

namespace plotvane {

double LevelMesh::levelValue(std::int32_t k) const { return m_z1 + k * (m_z2 - m_z1) / m_lineCount; }

}  // namespace plotvane
