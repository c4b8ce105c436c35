#include "catalog/Catalog.h"

#include "catalog/CatalogFile.h"
#include "catalog/CatalogTable.h"
#include "catalog/LevelTable.h"
#include "catalog/NodeCursor.h"
#include "catalog/Placeholders.h"

namespace corkwise {

Catalog::Catalog(const QString& path) : file_(std::make_unique<CatalogFile>(path)) {}

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
