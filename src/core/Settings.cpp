#include "core/Settings.h"

namespace orvex {}  // namespace orvex
