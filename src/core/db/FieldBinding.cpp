#include "core/db/FieldBinding.h"

namespace orvex {}  // namespace orvex
