#include "core/Lang.h"

namespace orvex {}  // namespace orvex
