#include "screens/PageHost.h"

namespace corkwise {

PageHost::~PageHost() = default;

}  // namespace corkwise
