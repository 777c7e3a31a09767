#include "core/Paths.h"

namespace orvex {
// Placeholder so the tree links while the path operations are written.
void OverrideProgramFolder(const QString&) {}
void InitPaths() {}
}  // namespace orvex
