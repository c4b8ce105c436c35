#pragma once
// A whole program on a catalogue compiled from small CSV sources for the Best Producers and Best
// Values searches and the menu of searches that leads to them.
//
// Both trees list "Australia" before "U.S." and, under U.S., "Sparkling" before "Still", so the
// form's defaults are not simply the first entries. The Best Values list of U.S. / Still / Red /
// California / Cabernet Sauvignon has three producers: "-Not Available-" (W3), "Bramble Hill" (W4
// without description, W5 whose own appellation/variety is absent) and "Zephyr Ridge" (W1, W2
// whose description repeats its appellation/variety). Best Producers has Washington, Best Values
// has France, and neither has the other.

#include "ProgramFixture.h"
#include "SourceCatalogue.h"
#include "catalog/NodeCursor.h"
#include "catalog/RecordCursor.h"
#include "screens/BestProducersFormPage.h"
#include "screens/BestProducersResultsPage.h"
#include "screens/BestValuesFormPage.h"
#include "screens/BestValuesResultsPage.h"

#include <QLabel>

namespace corkwise::test {

class BestSearchesFixture : public ProgramFixture {
protected:
    bool writeCatalogue(const QString& path) override {
        CatalogueSources sources;
        sources.wines =
            "id,origin,category,type,region,producer,vintage,product,designation,variety,"
            "appellation,appellation_variety,score,description\n"
            "W1,U.S.,Still,Red,California,Zephyr Ridge,1997,Estate Cabernet,Reserve,"
            "Cabernet Sauvignon,Napa Valley,Cabernet Sauvignon,93,Dense cassis.\n"
            "W2,U.S.,Still,Red,California,Zephyr Ridge,1999,Valley Cabernet,,Cabernet Sauvignon,"
            "Napa Valley,Cabernet Sauvignon,90,Cabernet Sauvignon\n"
            "W3,U.S.,Still,Red,California,-Not Available-,2001,House Red,,,,"
            "No Appellation Assigned,85,Easy drinking.\n"
            "W4,U.S.,Still,Red,California,Bramble Hill,2000,Old Vine Zin,,Zinfandel,,"
            "No Variety Assigned,88,\n"
            "W5,U.S.,Still,Red,California,Bramble Hill,1998,Table Red,,,,,80,Simple.\n"
            "W6,France,Still,Red,Bordeaux,Chateau Lumiere,2000,Pauillac,,,Pauillac,,92,Firm.\n"
            "W7,Australia,Fortified,Dessert,Barossa,Old Cellar,NV,Tawny,,,,Tawny,90,Nutty.\n"
            "W8,U.S.,Sparkling,White,California,Bubble House,NV,Brut,,Chardonnay,,,89,Crisp.\n"
            "W9,U.S.,Still,Red,Washington,Columbia Cellars,2002,Merlot,,Merlot,,,87,Plush.\n";
        sources.food = "food_type,food,wines\nMeat,Lamb,W1\n";
        sources.charts =
            "origin,category,type,region,appellation_variety,year,score,code\n"
            "U.S.,Still,Red,California,Cabernet Sauvignon,1997,96,H\n";
        sources.bestProducers =
            "origin,category,type,region,appellation_variety,text\n"
            "U.S.,Still,Red,California,Cabernet Sauvignon,Zephyr Ridge\n"
            "U.S.,Still,Red,California,Cabernet Sauvignon,Bramble Hill\n"
            "U.S.,Still,Red,California,Cabernet Sauvignon,-Not Available-\n"
            "U.S.,Still,Red,California,Merlot,Apex Vineyards\n"
            "U.S.,Still,Red,Washington,Merlot,Columbia Cellars\n"
            "U.S.,Sparkling,White,California,Chardonnay,Bubble House\n"
            "Australia,Fortified,Dessert,Barossa,Tawny,Old Cellar\n";
        sources.bestValues =
            "origin,category,type,region,appellation_variety,producer,wine\n"
            "U.S.,Still,Red,California,Cabernet Sauvignon,,W1\n"
            "U.S.,Still,Red,California,Cabernet Sauvignon,,W2\n"
            "U.S.,Still,Red,California,Cabernet Sauvignon,,W3\n"
            "U.S.,Still,Red,California,Cabernet Sauvignon,,W4\n"
            "U.S.,Still,Red,California,Cabernet Sauvignon,,W5\n"
            "France,Still,Red,Bordeaux,Pauillac,,W6\n"
            "Australia,Fortified,Dessert,Barossa,Tawny,,W7\n"
            "U.S.,Sparkling,White,California,Chardonnay,,W8\n";
        QString error;
        const bool ok = compileSourceCatalogue(sources, path, &error);
        EXPECT_TRUE(ok) << error.toStdString();
        return ok;
    }

    BestProducersFormPage* producersForm() const {
        return page<BestProducersFormPage>(kBestProducersFlow, 0);
    }
    BestProducersResultsPage* producersResults() const {
        return page<BestProducersResultsPage>(kBestProducersFlow, 1);
    }
    BestValuesFormPage* valuesForm() const { return page<BestValuesFormPage>(kBestValuesFlow, 0); }
    BestValuesResultsPage* valuesResults() const {
        return page<BestValuesResultsPage>(kBestValuesFlow, 1);
    }

    // The selected texts of FORM's five lists, top to bottom.
    static QStringList chosen(const CascadeFormPage* form) {
        QStringList all;
        for (int level = 0; level < CascadeFormPage::kLevels; ++level) {
            all.append(form->combo(static_cast<CascadeFormPage::Level>(level))->currentText());
        }
        return all;
    }

    // The wine the Find Wine tree files under PATH (origin ... product), its first record.
    std::unique_ptr<RecordCursor> wine(const QStringList& path) const {
        std::unique_ptr<NodeCursor> node = guide().openFlowRoot(kFindWineFlow);
        for (const QString& text : path) {
            std::unique_ptr<NodeCursor> found;
            for (int i = 0; node != nullptr && i < node->childCount() && found == nullptr; ++i) {
                std::unique_ptr<NodeCursor> child = node->child(i);
                if (child != nullptr && child->nodeText() == text.toLatin1()) {
                    found = std::move(child);
                }
            }
            node = std::move(found);
        }
        std::unique_ptr<NodeCursor> first = node != nullptr ? node->child(0) : nullptr;
        return first != nullptr ? first->openRecord() : nullptr;
    }
    // Remembers the wine at PATH as the guide's current record, as a result page does before
    // More Search.
    void rememberWine(const QStringList& path) {
        const std::unique_ptr<RecordCursor> record = wine(path);
        ASSERT_NE(record, nullptr) << path.join('/').toStdString();
        guide().selectRecord(*record);
    }

    bool finishShown() const { return visibleButton("finishButton"); }
    bool nextShown() const { return visibleButton("nextButton"); }

private:
    bool visibleButton(const char* name) const {
        const auto* button = view()->findChild<QPushButton*>(QString::fromLatin1(name));
        return button != nullptr && button->isVisible();
    }
};

// Find Wine paths of the sample wines: origin, category, type, region, segment, producer,
// vintage, product.
inline const QStringList kZephyrCabernet{"U.S.",  "Still",        "Red",  "California",
                                         "V - Z", "Zephyr Ridge", "1997", "Estate Cabernet"};
inline const QStringList kColumbiaMerlot{
    "U.S.", "Still", "Red", "Washington", "A - C", "Columbia Cellars", "2002", "Merlot"};
inline const QStringList kLumierePauillac{"France", "Still",           "Red",  "Bordeaux",
                                          "A - C",  "Chateau Lumiere", "2000", "Pauillac"};

}  // namespace corkwise::test
