#include "catalogtool/SourceGenerator.h"

#include "catalogtool/CatalogChecker.h"
#include "catalogtool/CatalogCompiler.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>
#include <QDir>

namespace corkwise::tool {
namespace {

const char* const kFiles[] = {"wines.csv", "food.csv", "vintage_chart.csv", "best_producers.csv",
                              "best_values.csv"};

QByteArray allFiles(const test::TempDir& dir, const QString& sub) {
    QByteArray all;
    for (const char* name : kFiles) {
        all += dir.read(sub + QLatin1Char('/') + QLatin1String(name));
    }
    return all;
}

TEST(SourceGeneratorTest, SameSeedSameFilesOtherSeedOtherFiles) {
    test::TempDir dir;
    QString error;
    ASSERT_TRUE(generateSources(500, 7, dir.path(QStringLiteral("a")), &error))
        << error.toStdString();
    ASSERT_TRUE(generateSources(500, 7, dir.path(QStringLiteral("b")), &error));
    ASSERT_TRUE(generateSources(500, 8, dir.path(QStringLiteral("c")), &error));
    const QByteArray a = allFiles(dir, QStringLiteral("a"));
    EXPECT_GT(a.size(), 10000);
    EXPECT_EQ(a, allFiles(dir, QStringLiteral("b")));
    EXPECT_NE(a, allFiles(dir, QStringLiteral("c")));
}

TEST(SourceGeneratorTest, GeneratedSourcesBuildIntoCleanCatalogues) {
    for (const qint64 wines : {1, 40, 5000}) {
        test::TempDir dir;
        QString error;
        ASSERT_TRUE(generateSources(wines, 3, dir.path(QStringLiteral("s")), &error));
        Sources sources;
        QByteArray image;
        ASSERT_TRUE(loadSources(dir.path(QStringLiteral("s")), &sources, &error) &&
                    compileCatalogue(sources, &image, &error))
            << wines << ": " << error.toStdString();
        EXPECT_EQ(static_cast<qint64>(sources.wines.size()), wines);
        const CheckReport report = checkCatalogue(image);
        EXPECT_TRUE(report.clean())
            << wines << ": " << report.problems.join(QLatin1Char('\n')).toStdString();
    }
}

TEST(SourceGeneratorTest, RejectsAnEmptyCatalogue) {
    test::TempDir dir;
    QString error;
    EXPECT_FALSE(generateSources(0, 1, dir.path(QStringLiteral("s")), &error));
    EXPECT_FALSE(QDir(dir.path(QStringLiteral("s"))).exists());
}

}  // namespace
}  // namespace corkwise::tool
