#include "core/db/RowSet.h"

namespace orvex {}  // namespace orvex
