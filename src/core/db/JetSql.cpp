#include "core/db/JetSql.h"

namespace orvex {}  // namespace orvex
