#include "workloads/element_count.h"

namespace zaveredo {

volatile std::int32_t ElementCount = 0;

}  // namespace zaveredo
