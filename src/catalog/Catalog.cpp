#include "catalog/Catalog.h"

#include "catalog/CatalogFile.h"
#include "catalog/CatalogFormat.h"
#include "catalog/CatalogTable.h"
#include "catalog/LevelTable.h"
#include "catalog/NodeCursor.h"
#include "catalog/Placeholders.h"

#include <array>
#include <set>

namespace corkwise {

Catalog::Catalog(const QString& path) : file_(std::make_unique<CatalogFile>(path)) {}

Catalog::Catalog(std::unique_ptr<CatalogFile> file) : file_(std::move(file)) {}

Catalog::~Catalog() = default;

bool Catalog::isOpen() const {
    return file_->isOpen();
}

std::unique_ptr<NodeCursor> Catalog::openLevelTable(const QByteArray& name) const {
    const int number = file_->indexOfTable(name);
    const LevelTable* level = file_->levelTableAt(number);
    // A table of another kind under that name, or a level without rows, has no root to stand
    // on; the caller sees it as a missing tree.
    if (level == nullptr || level->rowCount() <= 0) {
        return nullptr;
    }
    return std::make_unique<NodeCursor>(file_.get(), number, 0);
}

const std::vector<int>& Catalog::treeRecordTables(const QByteArray& name) const {
    const auto known = treeRecordTables_.find(name);
    if (known != treeRecordTables_.end()) {
        return known->second;
    }
    std::set<int> found;
    std::set<int> levelsSeen;
    // Targets are u8 table numbers: each is looked up once, however many nodes name it.
    std::array<bool, catalog_format::kMaxTables> targetSeen{};
    // Each level names the next one; a chain that loops back ends where it meets itself.
    for (int number = file_->indexOfTable(name); levelsSeen.insert(number).second;) {
        const LevelTable* level = file_->levelTableAt(number);
        if (level == nullptr) {
            break;
        }
        if (level->kind() == catalog_format::kMixedLevel) {
            const int rows = level->rowCount();
            LevelTable::Node node;
            for (int row = 0; row < rows; ++row) {
                if (!level->readNode(row, &node) || targetSeen[static_cast<size_t>(node.target)]) {
                    continue;
                }
                targetSeen[static_cast<size_t>(node.target)] = true;
                if (file_->recordTableAt(node.target) != nullptr) {
                    found.insert(node.target);
                }
            }
        }
        number = level->nextLevel();
    }
    return treeRecordTables_[name] = std::vector<int>(found.begin(), found.end());
}

CatalogTable* Catalog::tableAt(int number) const {
    return file_->tableAt(number);
}

int Catalog::indexOfTable(const QByteArray& name) const {
    return file_->indexOfTable(name);
}

QByteArray Catalog::tableShortName(int number) const {
    const CatalogTable* t = file_->tableAt(number);
    return t != nullptr ? t->shortName() : QByteArray("");
}

QByteArray Catalog::defaultText(const QByteArray& shortName) {
    return QByteArray(catalog_format::placeholderFor(
        std::string_view(shortName.constData(), static_cast<size_t>(shortName.size()))));
}

}  // namespace corkwise
