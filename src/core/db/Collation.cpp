#include "core/db/Collation.h"

namespace orvex {}  // namespace orvex
