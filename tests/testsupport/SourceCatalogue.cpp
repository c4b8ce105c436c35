#include "testsupport/SourceCatalogue.h"

#include "catalogtool/CatalogCompiler.h"
#include "catalogtool/CatalogSources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace corkwise::test {

namespace {

bool writeFile(const QDir& dir, const char* name, const QByteArray& text) {
    QFile file(dir.filePath(QString::fromLatin1(name)));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

}  // namespace

CatalogueSources sourcesAroundWines(const QByteArray& wines) {
    return CatalogueSources{wines, "food_type,food,wines\nMeat,Lamb,W1\n",
                            "origin,category,type,region,appellation_variety,year,score,code\n"
                            "France,Still,Red,Rh\xC3\xB4ne,Gigondas,1998,90,H\n",
                            "origin,category,type,region,appellation_variety,text\n"
                            "France,Still,Red,Rh\xC3\xB4ne,Gigondas,Domaine des \xC3\x89"
                            "cluses\n",
                            "origin,category,type,region,appellation_variety,producer,wine\n"
                            "France,Still,Red,Rh\xC3\xB4ne,Gigondas,,W1\n"};
}

bool compileSourceCatalogue(const CatalogueSources& sources, const QString& path, QString* error,
                            int recordsPerTable) {
    QString ignored;
    QString& why = error != nullptr ? *error : ignored;
    const QFileInfo target(path);
    const QDir dir(target.absolutePath() + QStringLiteral("/") + target.completeBaseName() +
                   QStringLiteral("-sources"));
    // An empty text leaves its file out, for the compiler to derive from the wines.
    const auto write = [&dir](const char* name, const QByteArray& text) {
        return text.isEmpty() || writeFile(dir, name, text);
    };
    if (!QDir().mkpath(dir.path()) || !writeFile(dir, "wines.csv", sources.wines) ||
        !write("food.csv", sources.food) || !write("vintage_chart.csv", sources.charts) ||
        !write("best_producers.csv", sources.bestProducers) ||
        !write("best_values.csv", sources.bestValues)) {
        why = QStringLiteral("cannot write the sources in ") + dir.path();
        return false;
    }
    tool::Sources loaded;
    QByteArray image;
    tool::FormatLimits limits;
    if (recordsPerTable > 0) {
        limits.recordsPerTable = static_cast<std::uint32_t>(recordsPerTable);
    }
    return tool::loadSources(dir.path(), &loaded, &why) &&
           tool::compileCatalogue(loaded, &image, &why, nullptr, {}, limits) &&
           tool::saveCatalogue(image, path, &why);
}

}  // namespace corkwise::test
