#include "core/SchemaUpgrade.h"

namespace orvex {}  // namespace orvex
