// The thirteen demonstrations, in the order of the "New" list.
#pragma once

#include <memory>
#include <vector>

#include "platform/DocTemplate.h"

namespace dulm {

std::vector<std::unique_ptr<CMultiDocTemplate>> MakeDemoTemplates();

}  // namespace dulm
