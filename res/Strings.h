// The string table.
#pragma once

#include <string>

namespace dulm::res {

// The string with this id, or an empty string.
const std::string& LoadString(unsigned id);

}  // namespace dulm::res
