// The layers of docs/architecture.md, checked on the source tree: every project include in src/
// and tools/ points at the file's own folder or at a folder its layer may use, and the folders
// that hold no widgets include no Qt Widgets header. The core test support keeps off both.

#include <gtest/gtest.h>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>

namespace corkwise {
namespace {

struct Layer {
    const char* folder;  // below the source root
    const char* prefix;  // how others include its headers
    QStringList mayUse;  // the prefixes it may include besides its own
    bool widgets;        // whether it may include Qt Widgets headers
};

// Bottom up; keep in step with the table in docs/architecture.md.
const QList<Layer>& layers() {
    static const QList<Layer> table = {
        {"src/common", "common", {}, false},
        {"src/platform", "platform", {"common"}, true},
        {"src/catalog", "catalog", {"common"}, false},
        {"src/personal", "personal", {"common", "catalog"}, false},
        {"src/guide", "guide", {"common", "catalog", "personal"}, false},
        {"src/controls", "controls", {"common", "platform", "catalog"}, true},
        {"src/screens",
         "screens",
         {"common", "platform", "catalog", "personal", "guide", "controls"},
         true},
        {"src/screens/personal",
         "screens/personal",
         {"common", "platform", "catalog", "personal", "guide", "controls", "screens"},
         true},
        {"src/app",
         "app",
         {"common", "platform", "catalog", "personal", "guide", "controls", "screens",
          "screens/personal"},
         true},
        {"tools/catalogtool", "catalogtool", {"common", "catalog", "guide"}, false},
        {"tools/notestool", "notestool", {"common", "catalog", "personal"}, false},
    };
    return table;
}

// The layer whose folder holds PATH (relative to the root), the deepest one when folders nest.
const Layer* layerOfFile(const QString& path) {
    const Layer* found = nullptr;
    for (const Layer& layer : layers()) {
        const QString folder = QLatin1String(layer.folder) + QLatin1Char('/');
        if (path.startsWith(folder) && (!found || qstrlen(layer.folder) > qstrlen(found->folder))) {
            found = &layer;
        }
    }
    return found;
}

// The prefix of the layer an include names ("screens/personal" for "screens/personal/X.h"), or
// an empty string for an include of no layer (a header beside the file).
QString prefixOfInclude(const QString& include) {
    QString best;
    for (const Layer& layer : layers()) {
        const QString prefix = QLatin1String(layer.prefix);
        if (include.startsWith(prefix + QLatin1Char('/')) && prefix.size() > best.size()) {
            best = prefix;
        }
    }
    return best;
}

bool isWidgetsHeader(const QString& header) {
    return QFileInfo::exists(QStringLiteral(CORKWISE_QTWIDGETS_INCLUDE_DIR "/") + header);
}

struct Include {
    QString file;
    int line;
    QString target;
    bool angled;
};

QList<Include> includesOf(const QString& root, const QString& path) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])"));
    QList<Include> found;
    QFile file(root + QLatin1Char('/') + path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return found;
    }
    int line = 0;
    while (!file.atEnd()) {
        ++line;
        const QString text = QString::fromUtf8(file.readLine());
        const QRegularExpressionMatch match = pattern.match(text);
        if (match.hasMatch()) {
            found.append({path, line, match.captured(2), match.captured(1) == QLatin1String("<")});
        }
    }
    return found;
}

QStringList sourceFiles(const QString& root) {
    QStringList files;
    for (const char* top : {"src", "tools"}) {
        QDirIterator it(root + QLatin1Char('/') + QLatin1String(top),
                        {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            files.append(it.next().mid(root.size() + 1));
        }
    }
    files.sort();
    return files;
}

TEST(IncludeRulesTest, EveryFolderIncludesOnlyItselfAndTheLayersBelow) {
    const QString root = QStringLiteral(CORKWISE_SOURCE_DIR);
    const QStringList files = sourceFiles(root);
    ASSERT_GT(files.size(), 100);
    int checked = 0;
    for (const QString& path : files) {
        const Layer* layer = layerOfFile(path);
        ASSERT_NE(layer, nullptr) << path.toStdString() << " is in no layer of the table";
        for (const Include& include : includesOf(root, path)) {
            ++checked;
            const std::string where = path.toStdString() + ":" + std::to_string(include.line) +
                                      " includes " + include.target.toStdString();
            if (include.angled) {
                EXPECT_TRUE(layer->widgets || !isWidgetsHeader(include.target))
                    << where << ", a widget header in a layer without widgets";
                continue;
            }
            const QString prefix = prefixOfInclude(include.target);
            if (prefix.isEmpty()) {
                // A header of the same folder, named without its prefix.
                EXPECT_FALSE(include.target.contains(QLatin1Char('/')))
                    << where << ", a path outside every layer";
                continue;
            }
            EXPECT_TRUE(prefix == QLatin1String(layer->prefix) || layer->mayUse.contains(prefix))
                << where << ", which " << layer->folder << " may not use";
        }
    }
    EXPECT_GT(checked, 500);
}

// The widgets part of the test support (tests/testsupport/CMakeLists.txt); the compiled-catalogue
// fixture is a library of its own on the compiler. Every other helper there is the core part,
// which links Qt Core and the layers below the screens only.
const QStringList kWidgetSupport = {QStringLiteral("GuiApp"), QStringLiteral("ScriptedPages"),
                                    QStringLiteral("RecordingHost")};
const QStringList kCoreSupportMayUse = {QStringLiteral("common"), QStringLiteral("catalog"),
                                        QStringLiteral("personal")};

TEST(IncludeRulesTest, TheCoreTestSupportIncludesNoWidgetsNorTheScreens) {
    const QString root = QStringLiteral(CORKWISE_SOURCE_DIR);
    QDirIterator it(root + QStringLiteral("/tests/testsupport"),
                    {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files);
    int checked = 0;
    while (it.hasNext()) {
        const QString path = it.next().mid(root.size() + 1);
        const QString name = QFileInfo(path).completeBaseName();
        if (kWidgetSupport.contains(name) || name == QLatin1String("SourceCatalogue")) {
            continue;
        }
        for (const Include& include : includesOf(root, path)) {
            ++checked;
            const std::string where = path.toStdString() + ":" + std::to_string(include.line) +
                                      " includes " + include.target.toStdString();
            if (include.angled) {
                EXPECT_FALSE(isWidgetsHeader(include.target)) << where;
            } else if (include.target.startsWith(QLatin1String("testsupport/"))) {
                EXPECT_FALSE(kWidgetSupport.contains(QFileInfo(include.target).completeBaseName()))
                    << where << ", a helper of the widgets part";
            } else {
                EXPECT_TRUE(kCoreSupportMayUse.contains(prefixOfInclude(include.target)))
                    << where << ", which the core test support may not use";
            }
        }
    }
    EXPECT_GT(checked, 30);
}

TEST(IncludeRulesTest, TheTableNamesEveryFolderOnceAndOnlyLowerLayers) {
    QHash<QString, int> position;
    for (int i = 0; i < layers().size(); ++i) {
        const Layer& layer = layers()[i];
        EXPECT_TRUE(QFileInfo(QStringLiteral(CORKWISE_SOURCE_DIR "/") + QLatin1String(layer.folder))
                        .isDir())
            << layer.folder;
        for (const QString& used : layer.mayUse) {
            EXPECT_TRUE(position.contains(used))
                << layer.folder << " uses " << used.toStdString() << ", which is not below it";
        }
        EXPECT_FALSE(position.contains(QLatin1String(layer.prefix))) << layer.prefix;
        position.insert(QLatin1String(layer.prefix), i);
    }
    EXPECT_TRUE(isWidgetsHeader(QStringLiteral("QWidget")));
}

}  // namespace
}  // namespace corkwise
