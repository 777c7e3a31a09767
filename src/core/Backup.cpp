#include "core/Backup.h"

namespace orvex {}  // namespace orvex
