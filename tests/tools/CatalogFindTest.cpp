#include "catalogtool/CatalogFind.h"

#include "common/ErrorLog.h"
#include "testsupport/CommandRun.h"
#include "testsupport/SourceCatalogue.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

namespace corkwise::tool {
namespace {

class CatalogFindTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ErrorLog::setEnabled(false); }
    static void TearDownTestSuite() { ErrorLog::setEnabled(true); }

    void SetUp() override {
        path_ = dir_.path(QStringLiteral("wcat.res"));
        const test::CatalogueSources sources = test::sourcesAroundWines(
            "id,origin,category,type,region,producer,vintage,product,score\n"
            "W1,France,Still,Red,Rhône,Domaine des Écluses,1998,Gigondas,90\n"
            "W2,France,Still,Red,Rhône,Domaine des Écluses,2001,Gigondas,92\n"
            "W3,France,Still,Red,Rhône,Aubert Frères,2000,Côtes du Rhône,86\n");
        QString error;
        ASSERT_TRUE(test::compileSourceCatalogue(sources, path_, &error)) << error.toStdString();
    }

    static test::CommandRun run(const QStringList& args) {
        return test::runCommand(&runFind, args);
    }

    test::TempDir dir_;
    QString path_;
};

TEST_F(CatalogFindTest, PrintsEveryMatchInListOrderSeparatedByTabs) {
    const test::CommandRun r = run({QStringLiteral("rhone"), path_});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, QStringLiteral("Aubert Frères\tCôtes du Rhône\t2000\n"
                                    "Domaine des Écluses\tGigondas\t2001\n"
                                    "Domaine des Écluses\tGigondas\t1998\n"));
    EXPECT_TRUE(r.err.isEmpty());
    const test::CommandRun none = run({QStringLiteral("ecluses cotes"), path_});
    EXPECT_EQ(none.code, 0);
    EXPECT_TRUE(none.out.isEmpty());
}

TEST_F(CatalogFindTest, WrongArgumentsAndMissingCataloguesFail) {
    const struct {
        QStringList args;
        int code;
        const char* error;
    } cases[] = {
        {{QStringLiteral("rhone")}, 2, "usage: corkwise-catalog find TEXT FILE\n"},
        {{QStringLiteral("r -"), path_}, 2, "find: the text needs at least 2 letters or digits\n"},
        {{QStringLiteral("rhone"), dir_.path(QStringLiteral("none.res"))},
         1,
         "cannot open catalogue: "},
        {{QStringLiteral("rhone"), dir_.write(QStringLiteral("cut.res"), QByteArray(1, '\0'))},
         1,
         "cannot open catalogue: "},
    };
    for (const auto& c : cases) {
        const test::CommandRun r = run(c.args);
        EXPECT_EQ(r.code, c.code) << c.error;
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.startsWith(QString::fromUtf8(c.error))) << r.err.toStdString();
    }
}

TEST_F(CatalogFindTest, ExecutableRunsFind) {
    const test::CommandRun tool = test::runExecutable(QStringLiteral(CORKWISE_CATALOG_TOOL),
                                                      {QStringLiteral("find"), "gig ecl", path_});
    ASSERT_TRUE(tool.ran) << tool.err.toStdString();
    EXPECT_EQ(tool.code, 0);
    EXPECT_EQ(tool.out, QStringLiteral("Domaine des Écluses\tGigondas\t2001\n"
                                       "Domaine des Écluses\tGigondas\t1998\n"));
}

}  // namespace
}  // namespace corkwise::tool
