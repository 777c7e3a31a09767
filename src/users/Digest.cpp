#include "users/Digest.h"

namespace orvex {}  // namespace orvex
