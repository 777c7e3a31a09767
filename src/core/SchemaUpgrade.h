#pragma once

namespace orvex {}  // namespace orvex
