// The cascading form of the Vintage Chart, Best Values and Best Producers searches: its lists,
// their defaults with and without keys, each cascade, picks that change nothing, and remembered
// values that are missing.

#include "ChartFixture.h"

#include <QLabel>

#include <tuple>

namespace corkwise::test {
namespace {

using Level = CascadeFormPage::Level;

class CascadeFormPageTest : public ChartFixture {
protected:
    static QStringList chosen(const CascadeFormPage* form) {
        QStringList all;
        for (int i = 0; i < CascadeFormPage::kLevels; ++i) {
            all.append(form->combo(static_cast<Level>(i))->currentText());
        }
        return all;
    }
    static const NodeCursor* nodeOf(const CascadeFormPage* form, int level) {
        return SearchPage::selectedNode(form->combo(static_cast<Level>(level)), true);
    }
};

TEST_F(CascadeFormPageTest, ListsCarryTheirNamesIdsAndLabels) {
    const std::array<std::tuple<const char*, int, const char*>, CascadeFormPage::kLevels> lists{{
        {"originCombo", 1029, "Origin:"},
        {"wineCategoryCombo", 1032, "Wine Category:"},
        {"wineTypeCombo", 1030, "Wine Type:"},
        {"regionCombo", 1035, "Region:"},
        {"varietyAppellationCombo", 1037, "Variety/Appellation:"},
    }};
    tapHome(kBestValuesFlow);
    auto* form = page<CascadeFormPage>(kBestValuesFlow, 0);
    ASSERT_TRUE(form->isVisible());
    QStringList labels;
    for (const QLabel* label : form->findChildren<QLabel*>()) {
        labels.append(label->text());
    }
    for (int i = 0; i < CascadeFormPage::kLevels; ++i) {
        const auto& [name, id, label] = lists[static_cast<size_t>(i)];
        auto* box = form->findChild<QComboBox*>(QString::fromLatin1(name));
        ASSERT_EQ(box, form->combo(static_cast<Level>(i))) << name;
        EXPECT_EQ(box->property("controlId").toInt(), id);
        EXPECT_TRUE(labels.contains(QString::fromLatin1(label))) << label;
    }
}

TEST_F(CascadeFormPageTest, ChartFormKeysOnlyTheOrigin) {
    tapHome(kVintageChartFlow);
    VintageChartFormPage* form = chartForm();
    EXPECT_EQ(texts(form->combo(Level::Origin)), (QStringList{"Argentina", "France", "U.S."}));
    EXPECT_EQ(texts(form->combo(Level::WineCategory)), (QStringList{"Sparkling", "Still"}));
    // "U.S." by its key; below it the first entries, "Sparkling" rather than "Still".
    EXPECT_EQ(chosen(form), (QStringList{"U.S.", "Sparkling", "White", "California", "Brut"}));
    EXPECT_EQ(guide().currentPage(), kVintageChartFirstPage);
    for (int i = 0; i < CascadeFormPage::kLevels - 1; ++i) {
        EXPECT_EQ(form->rememberedIndex(static_cast<Level>(i)),
                  form->combo(static_cast<Level>(i))->currentIndex());
    }
    EXPECT_EQ(form->commitSelection()->nodeText(), QByteArray("Brut"));

    // A remembered record moves the origin only.
    click("cancelButton");
    guide().selectRecord(*chartRecord({"France", "Still", "Red", "Burgundy", "Volnay"}));
    tapHome(kVintageChartFlow);
    EXPECT_EQ(chosen(form), (QStringList{"France", "Still", "Red", "Bordeaux", "Pauillac"}));
    EXPECT_TRUE(form->takeMessage().isEmpty());
}

TEST_F(CascadeFormPageTest, KeyedFormsPreselectUSAndStillAndKeepThemThroughCascades) {
    for (int flow : {kBestProducersFlow, kBestValuesFlow}) {
        tapHome(flow);
        auto* form = page<CascadeFormPage>(flow, 0);
        EXPECT_EQ(chosen(form),
                  (QStringList{"U.S.", "Still", "Red", "California", "Cabernet Sauvignon"}));
        // Back under U.S. after France, the category is "Still" again, not the first entry.
        pick(form->combo(Level::Origin), QStringLiteral("France"));
        pick(form->combo(Level::Origin), QStringLiteral("U.S."));
        EXPECT_EQ(form->combo(Level::WineCategory)->currentText(), QStringLiteral("Still"));
        click("cancelButton");
    }
}

TEST_F(CascadeFormPageTest, EachPickRefillsOnlyTheListsBelowIt) {
    struct Step {
        Level level;
        const char* text;
        QStringList after;
    };
    const QList<Step> steps{
        {Level::Origin, "France", {"France", "Still", "Red", "Bordeaux", "Pauillac"}},
        {Level::Region, "Burgundy", {"France", "Still", "Red", "Burgundy", "Volnay"}},
        {Level::Origin, "U.S.", {"U.S.", "Sparkling", "White", "California", "Brut"}},
        {Level::WineCategory,
         "Still",
         {"U.S.", "Still", "Red", "California", "Cabernet Sauvignon"}},
        {Level::WineType, "White", {"U.S.", "Still", "White", "California", "Chardonnay"}},
        {Level::WineType, "Red", {"U.S.", "Still", "Red", "California", "Cabernet Sauvignon"}},
        {Level::Region, "Oregon", {"U.S.", "Still", "Red", "Oregon", "Pinot Noir"}},
        {Level::Region, "California", {"U.S.", "Still", "Red", "California", "Cabernet Sauvignon"}},
        {Level::VarietyAppellation, "Merlot", {"U.S.", "Still", "Red", "California", "Merlot"}},
    };
    tapHome(kVintageChartFlow);
    VintageChartFormPage* form = chartForm();
    for (const Step& step : steps) {
        SCOPED_TRACE(step.text);
        std::array<const NodeCursor*, CascadeFormPage::kLevels> before{};
        for (int i = 0; i < CascadeFormPage::kLevels; ++i) {
            before[static_cast<size_t>(i)] = nodeOf(form, i);
        }
        guide().setCurrentPage(kVintageChartSecondPage);
        pick(form->combo(step.level), QString::fromLatin1(step.text));
        EXPECT_EQ(chosen(form), step.after);
        EXPECT_EQ(guide().currentPage(), kVintageChartFirstPage);
        // The lists above keep the very entries they had.
        for (int i = 0; i < step.level; ++i) {
            EXPECT_EQ(nodeOf(form, i), before[static_cast<size_t>(i)]) << i;
        }
    }
}

TEST_F(CascadeFormPageTest, PickingTheSelectedEntryChangesNothing) {
    tapHome(kVintageChartFlow);
    next();
    back();
    VintageChartFormPage* form = chartForm();
    // The chart page does not move the guide on; a later page stands for one here, so that
    // the form's making itself current shows.
    guide().setCurrentPage(kVintageChartSecondPage);
    const NodeCursor* appellation = nodeOf(form, Level::VarietyAppellation);
    for (int i = 0; i < CascadeFormPage::kLevels - 1; ++i) {
        pick(form->combo(static_cast<Level>(i)),
             form->combo(static_cast<Level>(i))->currentIndex());
    }
    EXPECT_EQ(nodeOf(form, Level::VarietyAppellation), appellation);
    EXPECT_EQ(guide().currentPage(), kVintageChartSecondPage);

    // A refilled list remembers its new selection: picking it again does nothing, picking
    // another entry cascades.
    pick(form->combo(Level::Origin), QStringLiteral("France"));
    EXPECT_EQ(form->rememberedIndex(Level::Region), 0);
    guide().setCurrentPage(kVintageChartSecondPage);
    appellation = nodeOf(form, Level::VarietyAppellation);
    pick(form->combo(Level::Region), 0);
    EXPECT_EQ(nodeOf(form, Level::VarietyAppellation), appellation);
    EXPECT_EQ(guide().currentPage(), kVintageChartSecondPage);
    pick(form->combo(Level::Region), 1);
    EXPECT_EQ(form->combo(Level::VarietyAppellation)->currentText(), QStringLiteral("Volnay"));
    EXPECT_EQ(form->rememberedIndex(Level::Region), 1);
    EXPECT_EQ(guide().currentPage(), kVintageChartFirstPage);
}

TEST_F(CascadeFormPageTest, LoadListsReportsTheFirstMissingRememberedValue) {
    tapHome(kBestProducersFlow);
    BestProducersFormPage* form = producersForm();
    // Oregon has no best producers, and neither has Pinot Noir under California.
    const std::unique_ptr<RecordCursor> oregon =
        chartRecord({"U.S.", "Still", "Red", "Oregon", "Pinot Noir"});
    ASSERT_NE(oregon, nullptr);
    guide().selectRecord(*oregon);
    EXPECT_FALSE(form->loadLists());
    EXPECT_EQ(form->takeMessage(), QStringLiteral("No data available for Region : \"Oregon\" "
                                                  "Please choose another Region."));
    // The fill went on from the first entries.
    EXPECT_EQ(chosen(form),
              (QStringList{"U.S.", "Still", "Red", "California", "Cabernet Sauvignon"}));

    const std::unique_ptr<RecordCursor> chardonnay =
        chartRecord({"U.S.", "Still", "White", "California", "Chardonnay"});
    guide().selectRecord(*chardonnay);
    EXPECT_TRUE(form->loadLists());
    EXPECT_TRUE(form->takeMessage().isEmpty());
    EXPECT_EQ(chosen(form), (QStringList{"U.S.", "Still", "White", "California", "Chardonnay"}));
    EXPECT_EQ(form->commitSelection()->nodeText(), QByteArray("Chardonnay"));
}

}  // namespace
}  // namespace corkwise::test
