// The Shut Down Windows screen's computer icon, drawn from code by the picture generator.
#pragma once

#include <vector>

#include "tools/picgen/image.h"

namespace shut_down {

// The 32 by 32 image first, then the 16 by 16 one.
std::vector<picgen::Image> DrawShutDownIcon();

}  // namespace shut_down
