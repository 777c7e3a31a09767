#include "core/db/DateNumber.h"

namespace orvex {}  // namespace orvex
