#include "core/Fmt.h"

namespace orvex {}  // namespace orvex
