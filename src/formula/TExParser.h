#pragma once

#include "formula/TCustomParser.h"

namespace formula {

// The parser as the system uses it: the same engine with every property open to the host.
class TExParser : public TCustomParser {};

} // namespace formula
