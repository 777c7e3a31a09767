#include "core/Context.h"

namespace orvex {}  // namespace orvex
