#include "platform/Rand.h"

namespace dulm::rand_detail {

constinit thread_local std::uint32_t t_state = 1;

}  // namespace dulm::rand_detail
