#include "core/db/Database.h"

namespace orvex {}  // namespace orvex
