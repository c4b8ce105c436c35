#include "app/CatalogueOpening.h"

#include "catalog/Catalog.h"
#include "catalog/CatalogProblem.h"
#include "catalog/NodeCursor.h"

#include <QDir>
#include <QFileInfo>

namespace corkwise {

QString catalogueProblem(const QString& path, const Catalog& catalog) {
    const CatalogProblem problem = findCatalogProblem(path);
    if (problem) {
        QString text = problem.text;
        while (text.endsWith(QLatin1Char('.'))) {
            text.chop(1);
        }
        return text;
    }
    const QString shown = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    if (!catalog.isOpen()) {
        return QStringLiteral("%1 cannot be read").arg(shown);
    }
    // The five searches start at these roots; a sound file without them is no catalogue of
    // ours, whatever else it holds.
    for (const char* root :
         {"FWLevelTable0", "FWPLevelTable0", "VCHLevelTable0", "BVLevelTable0", "BPLevelTable0"}) {
        if (catalog.openLevelTable(QByteArray(root)) == nullptr) {
            return QStringLiteral("%1 is not a Corkwise catalogue").arg(shown);
        }
    }
    return {};
}

}  // namespace corkwise
