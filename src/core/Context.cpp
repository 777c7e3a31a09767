#include "core/Context.h"

namespace orvex {

Context::Context() : network(std::make_unique<StandAloneNetwork>()) {}
Context::~Context() = default;

}  // namespace orvex
