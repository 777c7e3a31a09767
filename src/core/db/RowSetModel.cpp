#include "core/db/RowSetModel.h"

namespace orvex {}  // namespace orvex
