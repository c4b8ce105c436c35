#include "screens/PageHost.h"

namespace corkwise {

PageHost::~PageHost() = default;

void PageHost::showWineCard(const RecordCursor& /*wine*/) {}

}  // namespace corkwise
