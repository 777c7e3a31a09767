#include "core/MessageBoxPrompter.h"

namespace orvex {}  // namespace orvex
