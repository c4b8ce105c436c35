#include "app/CatalogueOpening.h"

#include "catalog/Catalog.h"
#include "catalog/NodeCursor.h"

#include <QFileInfo>

namespace corkwise {

QString catalogueProblem(const QString& path, const Catalog& catalog) {
    const QFileInfo info(path);
    const QString shown = info.absoluteFilePath();
    if (!info.exists()) {
        return QStringLiteral("%1 does not exist").arg(shown);
    }
    if (info.isDir()) {
        return QStringLiteral("%1 is a folder").arg(shown);
    }
    if (!catalog.isOpen()) {
        return QStringLiteral("%1 cannot be read").arg(shown);
    }
    // The five searches start at these roots; a file without them is no catalogue of ours,
    // whatever else it holds.
    for (const char* root :
         {"FWLevelTable0", "FWPLevelTable0", "VCHLevelTable0", "BVLevelTable0", "BPLevelTable0"}) {
        if (catalog.openLevelTable(QByteArray(root)) == nullptr) {
            return QStringLiteral("%1 is not a Corkwise catalogue").arg(shown);
        }
    }
    return {};
}

}  // namespace corkwise
