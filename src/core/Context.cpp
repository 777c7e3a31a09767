#include "core/Context.h"

namespace orvex {

Context::Context() = default;
Context::~Context() = default;

}  // namespace orvex
