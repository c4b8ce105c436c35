#include "guide/WineGuide.h"

#include "catalog/Catalog.h"
#include "catalog/NodeCursor.h"
#include "catalog/RecordCursor.h"
#include "common/ErrorLog.h"
#include "common/StringMap.h"
#include "guide/GuidePage.h"
#include "guide/PageFactory.h"
#include "personal/PersonalFile.h"
#include "personal/PersonalStore.h"
#include "testsupport/CatalogBytes.h"
#include "testsupport/PersonalSamples.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace corkwise {
namespace {

// A page of the guide's alone, without widgets: its lists load or not as told, and it commits
// the node it is given.
class TestPage : public GuidePage {
public:
    explicit TestPage(int pageId) : id_(pageId) {}

    int pageId() const override { return id_; }
    bool loadLists() override {
        if (!loads) {
            message = QStringLiteral("missing");
        }
        return loads;
    }
    std::unique_ptr<NodeCursor> commitSelection() override {
        return committed != nullptr ? committed->clone() : nullptr;
    }
    QString takeMessage() override {
        QString taken;
        taken.swap(message);
        return taken;
    }

    bool loads = true;
    std::unique_ptr<NodeCursor> committed;
    QString message;

private:
    int id_;
};

// Records the pages asked for, and whether each got a tree root, as the real pages do in
// their constructors.
class RecordingFactory : public PageFactory {
public:
    GuidePage* createPage(WineGuide& guide, int pageId) override {
        asked.append(pageId);
        if (guide.openFlowRoot(pageId)) {
            rooted.append(pageId);
        }
        if (pageId == skip) {
            return nullptr;
        }
        pages.push_back(std::make_unique<TestPage>(pageId));
        return pages.back().get();
    }

    QList<int> asked;
    QList<int> rooted;
    int skip = kNoPage;
    std::vector<std::unique_ptr<TestPage>> pages;
};

// A small catalogue: the ten note dictionaries but VARIETY, a wine table with every wine
// column and one without APPELLATION, a two-level Find Wine tree and a Vintage Chart root.
struct SmallCatalogue {
    SmallCatalogue() {
        test::CatalogBuilder b;
        origin = b.addDictionary("ORIGIN", {"France", "U.S."});
        ssf = b.addDictionary("SSF", {"Still"});
        b.addDictionary("TYPE", {"Red"});
        b.addDictionary("REGION", {"Bordeaux"});
        b.addDictionary("PRODUCER", {"Chateau A"});
        vintage = b.addDictionary("VINTAGE", {"2005", "2010"});
        designation = b.addDictionary("DESIGNATION", {"Reserve"});
        appellation = b.addDictionary("APPELLATION", {"Pauillac"});
        score = b.addDictionary("SCORE", {"92", "88"});
        product = b.addDictionary("PRODUCT", {"Grand Vin"});
        wines = b.addRecordTable("Wines", {vintage, score, designation, appellation},
                                 {{1, 0, 0, 0}, {0, 1, 0, 0}});
        plainWines = b.addRecordTable("PlainWines", {vintage, score, designation}, {{1, 1, 0}});
        const int level1 = b.nextTableNumber() + 1;
        b.addLevel("FWLevelTable0", 3, level1, {{0, origin, {0, 1, 2, 3}}});
        b.addLevel("FWLevelTable1", 2, level1,
                   {{0, origin, {}}, {1, origin, {}}, {1, wines, {}}, {1, plainWines, {}}});
        b.addLevel("VCHLevelTable0", 3, level1, {{0, origin, {}}});
        path = dir.write(QStringLiteral("wcat.res"), b.build());
    }

    std::unique_ptr<Catalog> open() const { return std::make_unique<Catalog>(path); }

    test::TempDir dir;
    QString path;
    int origin = -1, ssf = -1, vintage = -1, designation = -1, appellation = -1, score = -1;
    int product = -1, wines = -1, plainWines = -1;
};

class WineGuideTest : public ::testing::Test {
protected:
    WineGuideTest()
        : store_(cat_.dir.path(QStringLiteral("personal.res"))),
          guide_(cat_.open(), &store_, &factory_) {}

    // The cursors trace every read; keep that out of the working directory.
    static void SetUpTestSuite() { ErrorLog::setEnabled(false); }
    static void TearDownTestSuite() { ErrorLog::setEnabled(true); }

    // Child K of the Find Wine root.
    std::unique_ptr<NodeCursor> child(int k) {
        std::unique_ptr<NodeCursor> root = guide_.openFlowRoot(kFindWineFlow);
        return root ? root->child(k) : nullptr;
    }
    std::unique_ptr<RecordCursor> wine(int k) {
        std::unique_ptr<NodeCursor> node = child(k);
        return node ? node->openRecord() : nullptr;
    }

    SmallCatalogue cat_;
    PersonalStore store_;
    RecordingFactory factory_;
    WineGuide guide_;
};

TEST_F(WineGuideTest, BuildsPagesInFlowOrderAndRootsOnlyFirstPages) {
    EXPECT_EQ(factory_.asked, (QList<int>{10001, 10002, 10003, 10007, 10008, 10011, 10012, 10009,
                                          10010, 10005, 10006}));
    // Only first pages whose level table exists get a root.
    EXPECT_EQ(factory_.rooted, (QList<int>{10001, 10007}));
    const QList<GuidePage*>* pages = guide_.selectFlow(kFindWineFlow);
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->size(), 3);
    EXPECT_EQ(pages->at(2)->pageId(), 10003);
    EXPECT_EQ(guide_.selectFlow(kFoodAndWineFlow)->at(1)->pageId(), 10006);
}

TEST_F(WineGuideTest, NullPagesAreLeftOutAndNullFactoryBuildsNothing) {
    RecordingFactory skipping;
    skipping.skip = 10002;
    WineGuide guide(cat_.open(), &store_, &skipping);
    const QList<GuidePage*>* pages = guide.selectFlow(kFindWineFlow);
    ASSERT_EQ(pages->size(), 2);
    EXPECT_EQ(pages->at(1)->pageId(), 10003);

    WineGuide bare(cat_.open(), nullptr, nullptr);
    EXPECT_TRUE(bare.selectFlow(kBestValuesFlow)->isEmpty());
}

TEST_F(WineGuideTest, ReplayHandsEachLoadedPagesChoiceToTheNextUntilOneCannotLoad) {
    const struct {
        const char* loads;  // per page: y loads, n does not
        int first;
        int count;
        int loaded;
        const char* inputs;  // per page: the page whose choice it was handed, - none
    } cases[] = {
        {"yyy", 0, 3, 3, "-01"},  {"yny", 0, 3, 1, "-0-"}, {"nyy", 0, 3, 0, "---"},
        {"yyy", 0, 1, 1, "-0-"},  {"yyy", 1, 5, 2, "--1"}, {"yyy", 3, 1, 0, "---"},
        {"yyy", -1, 2, 0, "---"},
    };
    for (const auto& c : cases) {
        std::vector<std::unique_ptr<TestPage>> owned;
        std::vector<GuidePage*> pages;
        for (int i = 0; i < 3; ++i) {
            owned.push_back(std::make_unique<TestPage>(kFindWineFlow + i));
            owned.back()->loads = c.loads[i] == 'y';
            owned.back()->committed = child(i);
            pages.push_back(owned.back().get());
        }
        EXPECT_EQ(replayPages(pages, c.first, c.count), c.loaded) << c.loads << c.first;
        QString inputs;
        for (const std::unique_ptr<TestPage>& page : owned) {
            EXPECT_TRUE(page->takeMessage().isEmpty()) << "a refusal's message is dropped";
            inputs += QLatin1Char('-');
            for (int k = 0; k < 3 && page->input() != nullptr; ++k) {
                if (page->input()->row() == owned[static_cast<size_t>(k)]->committed->row()) {
                    inputs.back() = QChar(u'0' + k);
                }
            }
        }
        EXPECT_EQ(inputs, QLatin1String(c.inputs)) << c.loads << c.first;
    }
}

TEST_F(WineGuideTest, OpenFlowRootOnlyForFirstPages) {
    EXPECT_NE(guide_.openFlowRoot(10001), nullptr);
    EXPECT_EQ(guide_.openFlowRoot(10002), nullptr);
    EXPECT_EQ(guide_.openFlowRoot(10003), nullptr);
    EXPECT_EQ(guide_.openFlowRoot(10005), nullptr);  // no FWPLevelTable0 in this catalogue
    EXPECT_EQ(guide_.openFlowRoot(10000), nullptr);
    EXPECT_EQ(guide_.openFlowRoot(kNoPage), nullptr);
}

TEST_F(WineGuideTest, SelectFlowRejectsOtherIds) {
    guide_.selectFlow(kFindWineFlow);
    EXPECT_TRUE(guide_.advanceTo(10001));
    EXPECT_EQ(guide_.selectFlow(10002), nullptr);
    EXPECT_EQ(guide_.selectFlow(0), nullptr);
    EXPECT_EQ(guide_.currentFlow(), kFindWineFlow);
    EXPECT_EQ(guide_.currentPage(), 10001);
}

TEST_F(WineGuideTest, PageOrderRuleBeforeAnyFlowRefusesEverything) {
    for (int page : {kNoPage, 10001, 10003, 10012}) {
        EXPECT_FALSE(guide_.advanceTo(page));
    }
    EXPECT_EQ(guide_.currentPage(), kNoPage);
}

TEST_F(WineGuideTest, PageOrderRuleInTwoPageFlow) {
    guide_.selectFlow(kFoodAndWineFlow);
    EXPECT_TRUE(guide_.advanceTo(10006));
    EXPECT_FALSE(guide_.advanceTo(10006));
    EXPECT_FALSE(guide_.advanceTo(10005));
    EXPECT_EQ(guide_.currentPage(), 10006);
}

TEST_F(WineGuideTest, PageOrderRuleInFindWine) {
    guide_.selectFlow(kFindWineFlow);
    ASSERT_TRUE(guide_.advanceTo(10001));
    EXPECT_TRUE(guide_.advanceTo(10003));
    EXPECT_FALSE(guide_.advanceTo(10002));
    guide_.setCurrentPage(10002);
    EXPECT_FALSE(guide_.advanceTo(10004));  // beyond the last page
    EXPECT_FALSE(guide_.advanceTo(10001));  // never the first page again
    EXPECT_TRUE(guide_.advanceTo(10003));
    EXPECT_EQ(guide_.currentPage(), 10003);
}

TEST_F(WineGuideTest, PageOrderRuleStopsAtTheFlowsLastPage) {
    guide_.selectFlow(kBestValuesFlow);
    ASSERT_TRUE(guide_.advanceTo(10009));
    EXPECT_FALSE(guide_.advanceTo(10012));
    EXPECT_TRUE(guide_.advanceTo(10010));
}

TEST_F(WineGuideTest, WithNoPageCurrentAnyPageIsTaken) {
    guide_.selectFlow(kVintageChartFlow);
    EXPECT_TRUE(guide_.advanceTo(10002));  // a page of another flow
    EXPECT_EQ(guide_.currentPage(), 10002);
    guide_.selectFlow(kVintageChartFlow);
    EXPECT_EQ(guide_.currentPage(), kNoPage);
}

TEST_F(WineGuideTest, NodeSelectionReplacesInsideTheListAndAppendsBeyondIt) {
    std::unique_ptr<NodeCursor> france = child(0);
    std::unique_ptr<NodeCursor> us = child(1);
    ASSERT_TRUE(france && us);
    guide_.setSelection(0, france.get());
    guide_.setSelection(1, france.get());
    guide_.setSelection(4, us.get());  // a list of two: appended at position 2
    ASSERT_EQ(guide_.selections().size(), 3u);
    EXPECT_EQ(guide_.selections()[2], DictValue(1, cat_.origin, "U.S."));
    guide_.setSelection(1, us.get());
    EXPECT_EQ(guide_.selections()[1], DictValue(1, cat_.origin, "U.S."));
    EXPECT_EQ(guide_.selections()[0], DictValue(0, cat_.origin, "France"));
    EXPECT_EQ(guide_.selections().size(), 3u);
}

TEST_F(WineGuideTest, NodeSelectionIgnoresNullAndRecordNodes) {
    guide_.setSelection(0, static_cast<const NodeCursor*>(nullptr));
    std::unique_ptr<NodeCursor> recordNode = child(2);
    ASSERT_TRUE(recordNode);
    ASSERT_EQ(recordNode->nodeKind(), NodeCursor::kRecordNode);
    guide_.setSelection(0, recordNode.get());
    EXPECT_TRUE(guide_.selections().empty());
}

TEST_F(WineGuideTest, RecordSelectionAppendsPresentWineColumnsEveryTime) {
    std::unique_ptr<RecordCursor> plain = wine(3);
    ASSERT_TRUE(plain);
    guide_.setSelection(8, plain.get());
    ASSERT_EQ(guide_.selections().size(), 2u);  // no VARIETY dictionary, no APPELLATION column
    EXPECT_EQ(guide_.selections()[0], DictValue(0, cat_.designation, "Reserve"));
    EXPECT_EQ(guide_.selections()[1], DictValue(1, cat_.score, "88"));

    std::unique_ptr<RecordCursor> full = wine(2);
    ASSERT_TRUE(full);
    guide_.setSelection(0, full.get());
    guide_.setSelection(0, full.get());
    ASSERT_EQ(guide_.selections().size(), 8u);  // never replaces
    EXPECT_EQ(guide_.selections()[3], DictValue(0, cat_.appellation, "Pauillac"));
    EXPECT_EQ(guide_.selections()[4], DictValue(0, cat_.score, "92"));
    guide_.setSelection(0, static_cast<const RecordCursor*>(nullptr));
    EXPECT_EQ(guide_.selections().size(), 8u);
}

TEST_F(WineGuideTest, TruncatingBeforeReportingAWineKeepsOnlyThatWinesValues) {
    std::unique_ptr<NodeCursor> france = child(0);
    std::unique_ptr<RecordCursor> full = wine(2);
    std::unique_ptr<RecordCursor> plain = wine(3);
    ASSERT_TRUE(france && full && plain);
    guide_.setSelection(0, france.get());
    guide_.setSelection(1, full.get());
    guide_.truncateSelections(1);
    guide_.setSelection(1, plain.get());
    ASSERT_EQ(guide_.selections().size(), 3u);
    EXPECT_EQ(guide_.selections()[2], DictValue(1, cat_.score, "88"));
    guide_.truncateSelections(10);  // not longer: nothing
    guide_.truncateSelections(-1);
    EXPECT_EQ(guide_.selections().size(), 3u);
}

TEST_F(WineGuideTest, ValueTextFollowsTheSelectionForm) {
    EXPECT_FALSE(guide_.hasSelection());
    EXPECT_FALSE(guide_.valueText(QStringLiteral("VINTAGE")).has_value());

    std::unique_ptr<RecordCursor> full = wine(2);
    ASSERT_TRUE(full);
    const RecordCursor* kept = guide_.selectRecord(*full);
    ASSERT_NE(kept, nullptr);
    EXPECT_NE(kept, full.get());
    full.reset();  // the guide's clone stays usable
    EXPECT_TRUE(guide_.hasSelection());
    EXPECT_EQ(guide_.valueText(QStringLiteral("VINTAGE")), QStringLiteral("2010"));
    EXPECT_EQ(guide_.valueText(QStringLiteral("PRODUCER")), QString());  // no such column

    store_.add(test::bookmark("b", {{1, cat_.origin, "U.S."}, {0, cat_.score, "92"}}));
    ASSERT_TRUE(guide_.selectBookmark(0));
    EXPECT_TRUE(guide_.isBookmarkMode());
    EXPECT_EQ(guide_.valueText(QStringLiteral("ORIGIN")), QStringLiteral("U.S."));
    EXPECT_EQ(guide_.valueText(QStringLiteral("SCORE")), QStringLiteral("92"));
    const std::optional<QString> missing = guide_.valueText(QStringLiteral("VINTAGE"));
    ASSERT_TRUE(missing.has_value());
    EXPECT_TRUE(missing->isEmpty());

    guide_.clearRecord();
    EXPECT_FALSE(guide_.hasSelection());
    EXPECT_EQ(guide_.currentBookmark(), -1);
    EXPECT_EQ(guide_.currentRecord(), nullptr);
    EXPECT_FALSE(guide_.valueText(QStringLiteral("ORIGIN")).has_value());
    // The selections outlive the selection form.
    EXPECT_EQ(guide_.selections().size(), 2u);
}

TEST_F(WineGuideTest, SelectBookmarkReplacesSelectionsAndIgnoresBadIndex) {
    std::unique_ptr<NodeCursor> france = child(0);
    guide_.setSelection(0, france.get());
    store_.add(test::bookmark("b", {{1, cat_.origin, "U.S."}}));
    EXPECT_FALSE(guide_.selectBookmark(1));
    EXPECT_FALSE(guide_.selectBookmark(-1));
    EXPECT_FALSE(guide_.isBookmarkMode());
    ASSERT_TRUE(guide_.selectBookmark(0));
    ASSERT_EQ(guide_.selections().size(), 1u);
    EXPECT_EQ(guide_.selections()[0].text(), QByteArray("U.S."));
    EXPECT_EQ(guide_.currentBookmark(), 0);
    std::unique_ptr<RecordCursor> full = wine(2);
    guide_.selectRecord(*full);
    EXPECT_FALSE(guide_.isBookmarkMode());
    EXPECT_EQ(guide_.currentBookmark(), -1);
}

TEST_F(WineGuideTest, NewNoteStartsFromTenBlankValues) {
    const std::vector<DictValue> blank = guide_.selectionForNewEntry(EntryKind::Note);
    ASSERT_EQ(blank.size(), 10u);
    const QStringList names = {"ORIGIN",  "SSF",         "TYPE",    "REGION",      "PRODUCER",
                               "VINTAGE", "DESIGNATION", "VARIETY", "APPELLATION", "SCORE"};
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(blank[static_cast<size_t>(i)].valueId(), -1);
        EXPECT_TRUE(blank[static_cast<size_t>(i)].text().isEmpty());
        const int table = blank[static_cast<size_t>(i)].dictionary();
        if (names[i] == QStringLiteral("VARIETY")) {
            EXPECT_EQ(table, -1);  // missing from this catalogue
        } else {
            EXPECT_EQ(guide_.dictionaryName(table), names[i]);
        }
    }
    EXPECT_EQ(blank[0].dictionary(), cat_.origin);
}

TEST_F(WineGuideTest, AddingEntriesUsesSelectionsForBookmarksAndBlankForNotes) {
    std::unique_ptr<NodeCursor> france = child(0);
    guide_.setSelection(0, france.get());
    EXPECT_EQ(guide_.addPersonalEntry(QStringLiteral("Grand Vin"), EntryKind::Bookmark), 1);
    EXPECT_EQ(guide_.addPersonalEntry(QStringLiteral("New Note"), EntryKind::Note), 2);
    EXPECT_EQ(guide_.newestEntry(), 1);
    const std::optional<PersonalEntry> mark = guide_.personalEntryAt(0);
    ASSERT_TRUE(mark);
    EXPECT_EQ(mark->kind(), EntryKind::Bookmark);
    EXPECT_EQ(mark->name(), QStringLiteral("Grand Vin"));
    EXPECT_EQ(mark->values(), guide_.selections());
    EXPECT_EQ(guide_.personalEntryAt(1)->values(), guide_.selectionForNewEntry(EntryKind::Note));
    EXPECT_TRUE(guide_.personalEntryAt(1)->text().isEmpty());
    EXPECT_FALSE(guide_.personalEntryAt(2).has_value());
    EXPECT_TRUE(guide_.hasEntryOfKind(EntryKind::Note));
    guide_.removePersonalEntry(1);
    EXPECT_FALSE(guide_.hasEntryOfKind(EntryKind::Note));
    EXPECT_TRUE(guide_.hasEntryOfKind(EntryKind::Bookmark));
}

TEST_F(WineGuideTest, SetPersonalFieldsKeepsOnlyKeysWithDictionaries) {
    store_.add(test::bookmark("n", {}));
    store_.setKind(0, EntryKind::Note);
    StringMap fields;
    fields.set(QStringLiteral("SCORE"), QStringLiteral("95"));
    fields.set(QStringLiteral("VARIETY"), QStringLiteral("Merlot"));  // no DictVARIETY
    fields.set(QStringLiteral("ORIGIN"), QStringLiteral("Fran\u00e7e \u03a9"));
    fields.set(QStringLiteral("PRODUCT"), QString());
    guide_.setPersonalFields(fields, 0);
    guide_.setPersonalFields(fields, 5);  // out of range: nothing
    const std::vector<DictValue> values = guide_.personalEntryAt(0)->values();
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0], DictValue(-1, cat_.score, "95"));
    EXPECT_EQ(values[1], DictValue(-1, cat_.origin,
                                   "Fran\xe7"
                                   "e ?"));
    EXPECT_EQ(values[2], DictValue(-1, cat_.product, ""));
}

TEST_F(WineGuideTest, SetPersonalFieldsKeepsWhatThePageDoesNotShow) {
    // A bookmark turned note: a hidden PRODUCT, a dictionary this catalogue lacks, and shown
    // values with catalogue ids.
    const std::vector<DictValue> stored = {{7, cat_.origin, "France"},
                                           {12, cat_.product, "Grand Vin"},
                                           {3, 999, "from another catalogue"},
                                           {4, cat_.score, "92"}};
    store_.add(test::bookmark("converted", stored, "text"));
    store_.setKind(0, EntryKind::Note);
    ASSERT_TRUE(store_.save());
    StringMap shown;  // what the Details page hands back when nothing was typed
    shown.set(QStringLiteral("ORIGIN"), QStringLiteral("France"));
    shown.set(QStringLiteral("SCORE"), QStringLiteral("92"));
    guide_.setPersonalFields(shown, 0);
    EXPECT_EQ(guide_.personalEntryAt(0)->values(), stored);
    EXPECT_FALSE(store_.isModified());

    shown.set(QStringLiteral("SCORE"), QStringLiteral("93"));
    guide_.setPersonalFields(shown, 0);
    std::vector<DictValue> expected = stored;
    expected[3] = DictValue(-1, cat_.score, "93");
    EXPECT_EQ(guide_.personalEntryAt(0)->values(), expected);
}

TEST_F(WineGuideTest, ConvertingTheOpenedBookmarkTouchesOnlyIt) {
    store_.add(test::bookmark("first", {}));
    store_.add(test::bookmark("second", {{1, cat_.origin, "U.S."}}));
    guide_.setCurrentEntryKind(EntryKind::Note);  // nothing opened: nothing changes
    EXPECT_FALSE(guide_.hasEntryOfKind(EntryKind::Note));

    ASSERT_TRUE(guide_.selectBookmark(1));
    // Deleting an earlier entry must not leave the guide pointing at the wrong one.
    guide_.removePersonalEntry(0);
    EXPECT_EQ(guide_.currentBookmark(), 0);
    guide_.setCurrentEntryKind(EntryKind::Note);
    EXPECT_EQ(guide_.personalEntryAt(0)->kind(), EntryKind::Note);
    EXPECT_EQ(guide_.personalEntryAt(0)->values().size(), 1u);

    guide_.removePersonalEntry(0);  // the opened entry itself
    EXPECT_EQ(guide_.currentBookmark(), -1);
}

TEST_F(WineGuideTest, PersonalRenameTextAndSaveRoundTrip) {
    EXPECT_FALSE(guide_.loadPersonal());  // no file yet
    guide_.addPersonalEntry(QStringLiteral("n"), EntryKind::Note);
    guide_.renamePersonalEntry(0, QString(40, u'r'));
    guide_.setPersonalText(0, QStringLiteral("tasting notes"));
    guide_.renamePersonalEntry(3, QStringLiteral("ignored"));
    QString error;
    ASSERT_TRUE(guide_.savePersonal(&error)) << error.toStdString();
    PersonalStore again(store_.path());
    ASSERT_TRUE(again.load());
    EXPECT_EQ(again.entryAt(0)->name(), QString(31, u'r'));
    EXPECT_EQ(again.entryAt(0)->text(), QStringLiteral("tasting notes"));
}

TEST_F(WineGuideTest, SaveFailureIsPassedOn) {
    PersonalStore nowhere(cat_.dir.path(QStringLiteral("missing/personal.res")));
    WineGuide guide(cat_.open(), &nowhere, nullptr);
    guide.addPersonalEntry(QStringLiteral("n"), EntryKind::Note);
    QString error;
    EXPECT_FALSE(guide.savePersonal(&error));
    EXPECT_FALSE(error.isEmpty());

    WineGuide storeless(cat_.open(), nullptr, nullptr);
    EXPECT_FALSE(storeless.savePersonal(&error));
    EXPECT_EQ(storeless.addPersonalEntry(QStringLiteral("n"), EntryKind::Note), 0);
    EXPECT_FALSE(storeless.loadPersonal());
}

TEST_F(WineGuideTest, FieldNamesAndDictionaryNames) {
    EXPECT_TRUE(WineGuide::isDetailField(QStringLiteral("VINTAGE")));
    EXPECT_FALSE(WineGuide::isDetailField(QStringLiteral("PRODUCT")));
    EXPECT_FALSE(WineGuide::isDetailField(QStringLiteral("XSEGMENTX")));
    EXPECT_TRUE(WineGuide::isDetailField(QStringLiteral("product")));
    EXPECT_EQ(guide_.dictionaryName(cat_.vintage), QStringLiteral("VINTAGE"));
    EXPECT_EQ(guide_.dictionaryName(cat_.wines), QStringLiteral("Wines"));
    EXPECT_EQ(guide_.dictionaryName(999), QString());
    EXPECT_EQ(WineGuide::notAvailableText(), QStringLiteral("-Not Available-"));
}

}  // namespace
}  // namespace corkwise
