#include "FindWineCatalogue.h"

#include "testsupport/CatalogBytes.h"

#include <QFile>
#include <QHash>

#include <array>

namespace corkwise::test {

namespace {

constexpr int kLevels = 8;  // origin to product; the wines form the ninth level

const std::array<const char*, kLevels> kLevelDictionaries{
    "ORIGIN", "SSF", "TYPE", "REGION", "SEGMENT", "PRODUCER", "VINTAGE", "PRODUCT_STRINGAV"};

QString levelText(const FindWineEntry& w, int level) {
    const std::array<const QString*, kLevels> texts{&w.origin,  &w.category, &w.type,
                                                    &w.region,  &w.segment,  &w.producer,
                                                    &w.vintage, &w.product};
    return *texts[static_cast<size_t>(level)];
}

// The texts of one dictionary with their rows, in first-use order.
struct Dictionary {
    QStringList texts;
    int row(const QString& text) {
        const qsizetype at = texts.indexOf(text);
        if (at >= 0) {
            return static_cast<int>(at);
        }
        texts.append(text);
        return static_cast<int>(texts.size() - 1);
    }
};

struct TreeNode {
    int value = 0;
    QList<int> children;  // indices into the next level's nodes
};

}  // namespace

QList<FindWineEntry> sampleWines() {
    const QString nd = QStringLiteral("No Designation Assigned");
    const QString nv = QStringLiteral("No Variety Assigned");
    const QString na = QStringLiteral("No Appellation Assigned");
    return {
        {"France", "Sparkling", "White", "Champagne", "A - M", "Maison Lacroix", "1996",
         "Brut Champagne", "Cuvée Prestige", "Chardonnay", "Champagne", "93"},
        {"France", "Still", "Red", QString::fromUtf8("Côtes du Rhône"), "A - M",
         QString::fromUtf8("Domaine Sérieux"), "1998", QString::fromUtf8("Côtes du Rhône Villages"),
         nd, "Grenache", QString::fromUtf8("Côtes du Rhône"), "88"},
        {"France", "Still", "Red", "Bordeaux", "A - M", "Chateau Belair", "2000", "Pauillac",
         "Grand Vin", "Cabernet Sauvignon", "Pauillac", "95"},
        {"Italy", "Still", "Red", "Piedmont", "A - M", "Cantina Alba", "1997", "Barolo", nd,
         "Nebbiolo", "Barolo", "91"},
        {"U.S.", "Still", "Red", "California", "A - M", "Beringer Hills", "1997",
         "Cabernet Sauvignon Napa Valley", "Private Reserve", "Cabernet Sauvignon", "Napa Valley",
         "90"},
        {"U.S.", "Still", "Red", "California", "A - M", "Beringer Hills", "1999",
         "Cabernet Sauvignon Napa Valley", nd, "Cabernet Sauvignon", "Napa Valley", "87"},
        {"U.S.", "Still", "Red", "California", "A - M", "Beringer Hills", "2001",
         "Cabernet Sauvignon Napa Valley", "Private Reserve", "Cabernet Sauvignon", "Napa Valley",
         "94"},
        {"U.S.", "Still", "Red", "California", "A - M", "Beringer Hills", "2001",
         "Cabernet Sauvignon Napa Valley", nd, "Cabernet Sauvignon", "Napa Valley", "89"},
        {"U.S.", "Still", "Red", "California", "A - M", "Beringer Hills", "2001", "Merlot", nd, nv,
         na, "85"},
        {"U.S.", "Still", "Red", "California", "A - M", "Cask Ridge", "2000", "Zinfandel",
         "Old Vines", "Zinfandel", "Sonoma County", "88"},
        {"U.S.", "Still", "Red", "California", "N - Z", "Ridgeline Estate", "1999", "Syrah", nd,
         "Syrah", "Paso Robles", "86"},
        {"U.S.", "Still", "Red", "California", "N - Z", "Ridgeline Estate", "1999", "Syrah", nd,
         "Syrah", "Paso Robles", "86", true},
        {"U.S.", "Still", "Red", "Oregon", "A - M", "Eola Hills Cellars", "2002", "Pinot Noir", nd,
         "Pinot Noir", "Willamette Valley", "89"},
        {"U.S.", "Still", "White", "All Regions", "A - M", "Beringer Hills", "2002", "Chardonnay",
         nd, "Chardonnay", na, "86"},
        {"U.S.", "Sparkling", "White", "California", "A - M", "Anderson Cove", "1995", "Brut",
         "Late Disgorged", "Chardonnay", "Anderson Valley", "90"},
    };
}

bool writeFindWineCatalogue(const QString& path, const QList<FindWineEntry>& wines) {
    std::array<Dictionary, kLevels> levelDicts;
    Dictionary designations, varieties, appellations, scores;

    // The tree, level by level; a node is identified by the texts of its path.
    std::array<QList<TreeNode>, kLevels> levels;
    std::array<QHash<QString, int>, kLevels> nodeOfPath;
    QList<TreeNode> leaves;  // the wines (record nodes) and stray value nodes
    QList<QList<int>> records;
    QList<int> rootChildren;

    for (const FindWineEntry& w : wines) {
        QString key;
        int parent = -1;
        for (int level = 0; level < kLevels; ++level) {
            const QString text = levelText(w, level);
            key += text + QChar(0x1F);
            auto& index = nodeOfPath[static_cast<size_t>(level)];
            auto found = index.find(key);
            int node = 0;
            if (found != index.end()) {
                node = *found;
            } else {
                auto& nodes = levels[static_cast<size_t>(level)];
                nodes.append(TreeNode{levelDicts[static_cast<size_t>(level)].row(text), {}});
                node = static_cast<int>(nodes.size() - 1);
                index.insert(key, node);
                if (level == 0) {
                    rootChildren.append(node);
                } else {
                    levels[static_cast<size_t>(level - 1)][parent].children.append(node);
                }
            }
            parent = node;
        }
        const int producer = levelDicts[5].row(w.producer);
        const int vintage = levelDicts[6].row(w.vintage);
        const int score = scores.row(w.score);
        records.append({producer, vintage, score, designations.row(w.designation),
                        varieties.row(w.variety), appellations.row(w.appellation)});
        // Record rows start at 1: row 0 of a record table lists its columns.
        leaves.append(TreeNode{w.asValueNode ? score : static_cast<int>(records.size()), {}});
        levels[kLevels - 1][parent].children.append(static_cast<int>(leaves.size() - 1));
    }

    CatalogBuilder b;
    std::array<int, kLevels> dictTables{};
    for (int level = 0; level < kLevels; ++level) {
        dictTables[static_cast<size_t>(level)] =
            b.addDictionary(kLevelDictionaries[static_cast<size_t>(level)],
                            levelDicts[static_cast<size_t>(level)].texts);
    }
    const int designationTable = b.addDictionary("DESIGNATION", designations.texts);
    const int varietyTable = b.addDictionary("VARIETY", varieties.texts);
    const int appellationTable = b.addDictionary("APPELLATION", appellations.texts);
    const int scoreTable = b.addDictionary("SCORE", scores.texts);
    const int wineTable = b.addRecordTable("FWRecords",
                                           {dictTables[5], dictTables[6], scoreTable,
                                            designationTable, varietyTable, appellationTable},
                                           records);

    // The root, then one table per level, each naming the next.
    const int root = b.nextTableNumber();
    b.addLevel("FWLevelTable0", 3, root + 1, {{0, dictTables[0], rootChildren}});
    for (int level = 0; level < kLevels; ++level) {
        QList<LevelNode> nodes;
        for (const TreeNode& n : levels[static_cast<size_t>(level)]) {
            nodes.append({n.value, dictTables[static_cast<size_t>(level)], n.children});
        }
        b.addLevel("FWLevelTable" + QByteArray::number(level + 1), 3, root + level + 2, nodes);
    }
    QList<LevelNode> wineNodes;
    for (int i = 0; i < leaves.size(); ++i) {
        const bool stray = wines[i].asValueNode;
        wineNodes.append({leaves[i].value, stray ? scoreTable : wineTable, {}});
    }
    b.addLevel("FWLevelTable" + QByteArray::number(kLevels + 1), 2, -1, wineNodes);

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const QByteArray bytes = b.build();
    return file.write(bytes) == bytes.size();
}

}  // namespace corkwise::test
