#include "core/db/Rows.h"

namespace orvex {}  // namespace orvex
