#include "testsupport/ScriptedPages.h"

#include "catalog/NodeCursor.h"

namespace corkwise::test {

std::unique_ptr<NodeCursor> ScriptedPage::commitSelection() {
    note(QStringLiteral("commitSelection"));
    return input() != nullptr ? input()->clone() : nullptr;
}

}  // namespace corkwise::test
