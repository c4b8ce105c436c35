#pragma once
// The one object through which the screens reach the catalogue and the personal store.
//
// The guide owns the Catalog, builds the pages of the five search flows, tells which flow and
// page are current, enforces the forward page order, keeps the user's selections (the values
// chosen in Find Wine, the wine that is open or the bookmark that was opened) and offers the
// screens the operations on notes and bookmarks. Only the user-interface thread uses it.

#include "catalog/DictValue.h"
#include "guide/SearchFlow.h"
#include "personal/EntryKind.h"
#include "personal/PersonalEntry.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace corkwise {

class Catalog;
class GuidePage;
class NodeCursor;
class PageFactory;
class PersonalStore;
class RecordCursor;
class StringMap;

class WineGuide {
public:
    // Takes ownership of CATALOG (which may be null: the guide then has no trees and no
    // dictionaries). STORE is not owned and must outlive the guide; it may be null, and the
    // personal operations then do nothing. When FACTORY is not null, the constructor asks it
    // for every page, in this order: Find Wine 10001-10003, Vintage Chart 10007-10008, Best
    // Producers 10011-10012, Best Values 10009-10010, Food and Wine 10005-10006. A null page
    // is left out of its flow's list. The guide never destroys pages (whoever the factory gave
    // them to does), so the pages may outlive it but must not call it once it is gone.
    WineGuide(std::unique_ptr<Catalog> catalog, PersonalStore* store, PageFactory* factory);
    ~WineGuide();

    WineGuide(const WineGuide&) = delete;
    WineGuide& operator=(const WineGuide&) = delete;

    // The catalogue facade; null when the guide was built without one.
    Catalog* catalog() const { return catalog_.get(); }

    // --- Flows and pages ---

    // Makes FLOWID the current flow with no current page and returns its pages in flow order
    // (the list lives as long as the guide). Any other id changes nothing and gives null.
    const QList<GuidePage*>* selectFlow(int flowId);
    // The pages of FLOWID in flow order, or null for an unknown flow id. Changes nothing.
    const QList<GuidePage*>* pages(int flowId) const;
    // Id of the flow chosen last; kNoPage before the first selectFlow.
    int currentFlow() const { return currentFlow_; }
    // Id of the current page; kNoPage at start and after selectFlow.
    int currentPage() const { return currentPage_; }

    // For a first-page id (10001, 10005, 10007, 10009, 10011) a cursor on the root of that
    // flow's tree; null for any other id and when the catalogue lacks the level table.
    std::unique_ptr<NodeCursor> openFlowRoot(int pageId) const;

    // Makes PAGEID current without any check (used to go back).
    void setCurrentPage(int pageId);
    // The forward page-order rule. With no flow chosen: refuse. With no page current: accept
    // any page id. Otherwise accept only a page after the current one and after the flow's
    // first page, up to the flow's last page. On acceptance PAGEID becomes current and the
    // result is true; a refusal changes nothing.
    bool advanceTo(int pageId);

    // The shared placeholder "-Not Available-".
    static QString notAvailableText();

    // --- Selections ---

    // Keeps a clone of CURSOR as the current record (the caller keeps its own), leaves
    // bookmark mode and forgets the opened bookmark. Returns the guide's clone, which stays
    // valid until the next selectRecord or clearRecord.
    const RecordCursor* selectRecord(const RecordCursor& cursor);
    // The current record, or null.
    const RecordCursor* currentRecord() const { return currentRecord_.get(); }
    // Drops the current record, leaves bookmark mode and forgets the opened bookmark.
    void clearRecord();
    // True when a record is current or a bookmark is open.
    bool hasSelection() const;
    bool isBookmarkMode() const { return bookmarkMode_; }
    // Index of the opened personal entry, or -1.
    int currentBookmark() const { return currentBookmark_; }
    // Opens personal entry INDEX: the selections become copies of its values, it becomes the
    // current bookmark and bookmark mode is on. Returns false and changes nothing when INDEX
    // is not an entry of the store.
    bool selectBookmark(int index);

    // The text of dictionary SHORTNAME ("VINTAGE") in the current record or opened bookmark.
    // Nothing selected: nullopt. A record without that column, or a bookmark without a value
    // of that dictionary: an empty text (not nullopt).
    std::optional<QString> valueText(const QString& shortName) const;

    // Records the choice of a dictionary node at POSITION: replaces the value at POSITION when
    // the list is longer than that, else appends it at the end. A null NODE or a node that is
    // not a dictionary node changes nothing.
    void setSelection(int position, const NodeCursor* node);
    // Records the chosen wine: appends its DESIGNATION, VARIETY, APPELLATION and SCORE values,
    // in that order, skipping columns the record lacks. Never replaces (POSITION is kept for
    // the callers' bookkeeping only). A null RECORD changes nothing.
    void setSelection(int position, const RecordCursor* record);
    // Drops the selections from position COUNT on; nothing when the list is not longer. The
    // wine page uses it before it reports a wine, so that a bookmark carries that wine's values
    // and not those of a wine reported before it.
    void truncateSelections(int count);
    // The selections list: positions 0-3 criteria, 4-5 producer page, 6-7 wine page, then
    // the chosen wine's values; or the opened bookmark's values.
    const std::vector<DictValue>& selections() const { return selections_; }

    // The values a new entry of KIND starts with: for a bookmark a copy of the selections;
    // for a note the blank selection of ten values (value id -1, empty text) of the
    // dictionaries ORIGIN, SSF, TYPE, REGION, PRODUCER, VINTAGE, DESIGNATION, VARIETY,
    // APPELLATION, SCORE, each with its table number or -1 when the catalogue lacks it.
    std::vector<DictValue> selectionForNewEntry(EntryKind kind) const;
    // Sets the kind of the opened bookmark (used to turn it into a note); does nothing when
    // no valid entry is open.
    void setCurrentEntryKind(EntryKind kind);

    // --- Notes and bookmarks ---

    // Reads the personal file into an empty store; see PersonalStore::load.
    bool loadPersonal();
    // Writes the whole store to its file. On failure returns false, sets *ERROR (when given)
    // to a sentence for the user, and leaves the previous file whole.
    bool savePersonal(QString* error = nullptr);
    // True when the store holds changes its file does not have yet; see
    // PersonalStore::isModified.
    bool personalModified() const;
    // True when the last save was refused because another program changed the file since it
    // was read; savePersonalKeepingBoth then keeps the other version beside it (*KEPTAS) and
    // saves.
    bool personalChangedOnDisk() const;
    bool savePersonalKeepingBoth(QString* error, QString* keptAs);
    // What the last load has to tell the user (damage and its backup, a file that cannot be
    // read), once; empty when nothing.
    QString takePersonalMessage();
    int personalCount() const;
    // A copy of entry I, or nullopt when I is out of range.
    std::optional<PersonalEntry> personalEntryAt(int i) const;
    // Index of the entry added last; 0 at start.
    int newestEntry() const { return newestEntry_; }
    // Appends a new entry named NAME with an empty text and selectionForNewEntry(KIND) as
    // values; it becomes the newest entry. Returns the new count (0 without a store).
    int addPersonalEntry(const QString& name, EntryKind kind);
    // These do nothing when I is out of range.
    void removePersonalEntry(int i);
    void renamePersonalEntry(int i, const QString& name);
    void setPersonalText(int i, const QString& text);
    // Stores FIELDS (dictionary short name to text, as the Details page shows them) into entry
    // I. A value shown under a key takes the key's text, keeping its id when the text is the
    // same and -1 otherwise; values the page does not show (hidden fields, dictionaries this
    // catalogue lacks) stay as they are, in their place. A key no value had is appended when
    // its table "Dict"+key exists, with id -1; other keys are dropped.
    void setPersonalFields(const StringMap& fields, int i);
    bool hasEntryOfKind(EntryKind kind) const;

    // True when NAME contains neither catalog_format::dict::kProductStem nor dict::kSegment
    // (case-sensitive): a personal entry's product and segment are not shown among its details.
    static bool isDetailField(const QString& name);
    // The short name of table TABLENUMBER ("ORIGIN" for "DictORIGIN"); empty when the
    // catalogue has no such table.
    QString dictionaryName(int tableNumber) const;

private:
    void buildPages(PageFactory* factory);
    QList<GuidePage*>* pagesOf(int flowId);

    // Declared first so that it is destroyed last: cursors must not outlive the catalogue.
    std::unique_ptr<Catalog> catalog_;
    std::unique_ptr<RecordCursor> currentRecord_;
    std::vector<DictValue> selections_;
    int newestEntry_ = 0;
    bool bookmarkMode_ = false;
    PersonalStore* store_;
    QList<GuidePage*> findWinePages_;
    QList<GuidePage*> foodAndWinePages_;
    QList<GuidePage*> vintageChartPages_;
    QList<GuidePage*> bestValuesPages_;
    QList<GuidePage*> bestProducersPages_;
    int currentPage_ = kNoPage;
    int currentFlow_ = kNoPage;
    int currentBookmark_ = -1;
};

}  // namespace corkwise
