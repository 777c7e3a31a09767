#include "core/Money.h"

namespace orvex {}  // namespace orvex
