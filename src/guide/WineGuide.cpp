#include "guide/WineGuide.h"

#include "catalog/Catalog.h"
#include "catalog/CatalogFormat.h"
#include "catalog/NodeCursor.h"
#include "catalog/Placeholders.h"
#include "catalog/RecordCursor.h"
#include "common/StringMap.h"
#include "common/TextCodec.h"
#include "guide/PageFactory.h"
#include "personal/PersonalStore.h"

#include <QSet>

#include <array>

namespace corkwise {

namespace fmt = catalog_format;

namespace {

// The dictionaries of a new note's fields, in their order.
constexpr std::array<const char*, 10> kNoteDictionaries = {
    fmt::dict::kOrigin,      fmt::dict::kCategory, fmt::dict::kType,        fmt::dict::kRegion,
    fmt::dict::kProducer,    fmt::dict::kVintage,  fmt::dict::kDesignation, fmt::dict::kVariety,
    fmt::dict::kAppellation, fmt::dict::kScore,
};

// The columns of a chosen wine that follow the Find Wine pages' choices.
constexpr std::array<const char*, 4> kWineColumns = {fmt::dict::kDesignation, fmt::dict::kVariety,
                                                     fmt::dict::kAppellation, fmt::dict::kScore};

QByteArray dictionaryTableName(const QByteArray& shortName) {
    return QByteArray(fmt::kDictionaryPrefix) + shortName;
}

}  // namespace

WineGuide::WineGuide(std::unique_ptr<Catalog> catalog, PersonalStore* store, PageFactory* factory)
    : catalog_(std::move(catalog)), store_(store) {
    buildPages(factory);
}

WineGuide::~WineGuide() {
    currentRecord_.reset();
}

void WineGuide::buildPages(PageFactory* factory) {
    if (factory == nullptr) {
        return;
    }
    for (const SearchFlow& flow : SearchFlow::all()) {
        QList<GuidePage*>* list = pagesOf(flow.id);
        for (int pageId : flow.pageIds()) {
            if (GuidePage* page = factory->createPage(*this, pageId)) {
                list->append(page);
            }
        }
    }
}

QList<GuidePage*>* WineGuide::pagesOf(int flowId) {
    switch (flowId) {
        case kFindWineFlow:
            return &findWinePages_;
        case kFoodAndWineFlow:
            return &foodAndWinePages_;
        case kVintageChartFlow:
            return &vintageChartPages_;
        case kBestValuesFlow:
            return &bestValuesPages_;
        case kBestProducersFlow:
            return &bestProducersPages_;
        default:
            return nullptr;
    }
}

const QList<GuidePage*>* WineGuide::pages(int flowId) const {
    return const_cast<WineGuide*>(this)->pagesOf(flowId);
}

const QList<GuidePage*>* WineGuide::selectFlow(int flowId) {
    const QList<GuidePage*>* list = pagesOf(flowId);
    if (list != nullptr) {
        currentFlow_ = flowId;
        currentPage_ = kNoPage;
    }
    return list;
}

std::unique_ptr<NodeCursor> WineGuide::openFlowRoot(int pageId) const {
    const SearchFlow* flow = SearchFlow::find(pageId);
    if (flow == nullptr || catalog_ == nullptr) {
        return nullptr;
    }
    return catalog_->openLevelTable(flow->levelTable);
}

void WineGuide::setCurrentPage(int pageId) {
    currentPage_ = pageId;
}

bool WineGuide::advanceTo(int pageId) {
    const SearchFlow* flow = SearchFlow::find(currentFlow_);
    if (flow == nullptr) {
        return false;
    }
    // With no page current any page is taken, even one of another flow: the main view
    // relies on it when it first enters a flow.
    const bool accepted = currentPage_ == kNoPage ||
                          (pageId > flow->id && pageId <= flow->lastPage && pageId > currentPage_);
    if (accepted) {
        currentPage_ = pageId;
    }
    return accepted;
}

QString WineGuide::notAvailableText() {
    return QString::fromLatin1(fmt::kNotAvailable);
}

const RecordCursor* WineGuide::selectRecord(const RecordCursor& cursor) {
    currentRecord_ = cursor.clone();
    bookmarkMode_ = false;
    currentBookmark_ = -1;
    return currentRecord_.get();
}

void WineGuide::clearRecord() {
    currentRecord_.reset();
    bookmarkMode_ = false;
    currentBookmark_ = -1;
}

bool WineGuide::hasSelection() const {
    return currentRecord_ != nullptr || bookmarkMode_;
}

bool WineGuide::selectBookmark(int index) {
    std::optional<PersonalEntry> entry = personalEntryAt(index);
    if (!entry) {
        return false;
    }
    selections_ = entry->values();
    currentBookmark_ = index;
    bookmarkMode_ = true;
    return true;
}

std::optional<QString> WineGuide::valueText(const QString& shortName) const {
    const QByteArray name = toWindows1252(shortName);
    if (bookmarkMode_) {
        for (const DictValue& value : selections_) {
            if (catalog_ != nullptr && catalog_->tableShortName(value.dictionary()) == name) {
                return fromWindows1252(value.text());
            }
        }
        return QString();
    }
    if (currentRecord_ == nullptr) {
        return std::nullopt;
    }
    return fromWindows1252(currentRecord_->columnText(name).value_or(QByteArray()));
}

void WineGuide::setSelection(int position, const NodeCursor* node) {
    if (node == nullptr) {
        return;
    }
    const std::optional<DictRef> ref = node->valueRef();
    if (!ref) {
        return;
    }
    DictValue value(ref->valueId(), ref->dictionary(), node->nodeText());
    if (position >= 0 && static_cast<size_t>(position) < selections_.size()) {
        selections_[static_cast<size_t>(position)] = std::move(value);
    } else {
        selections_.push_back(std::move(value));
    }
}

void WineGuide::setSelection(int /*position*/, const RecordCursor* record) {
    if (record == nullptr) {
        return;
    }
    for (const char* column : kWineColumns) {
        const std::optional<DictRef> ref = record->columnRef(column);
        if (!ref) {
            continue;
        }
        const QByteArray text = record->columnText(column).value_or(QByteArray(""));
        selections_.emplace_back(ref->valueId(), ref->dictionary(), text);
    }
}

void WineGuide::truncateSelections(int count) {
    if (count >= 0 && static_cast<size_t>(count) < selections_.size()) {
        selections_.resize(static_cast<size_t>(count));
    }
}

std::vector<DictValue> WineGuide::selectionForNewEntry(EntryKind kind) const {
    if (kind == EntryKind::Bookmark) {
        return selections_;
    }
    std::vector<DictValue> blank;
    blank.reserve(kNoteDictionaries.size());
    for (const char* shortName : kNoteDictionaries) {
        const int table =
            catalog_ != nullptr ? catalog_->indexOfTable(dictionaryTableName(shortName)) : -1;
        blank.emplace_back(-1, table, QByteArray(""));
    }
    return blank;
}

void WineGuide::setCurrentEntryKind(EntryKind kind) {
    if (store_ != nullptr) {
        store_->setKind(currentBookmark_, kind);
    }
}

bool WineGuide::loadPersonal() {
    return store_ != nullptr && store_->load();
}

bool WineGuide::savePersonal(QString* error) {
    if (store_ == nullptr) {
        if (error != nullptr) {
            *error = QStringLiteral("There is no store for notes and bookmarks.");
        }
        return false;
    }
    return store_->save(error);
}

bool WineGuide::personalModified() const {
    return store_ != nullptr && store_->isModified();
}

bool WineGuide::personalChangedOnDisk() const {
    return store_ != nullptr && store_->changedOnDisk();
}

bool WineGuide::savePersonalKeepingBoth(QString* error, QString* keptAs) {
    return store_ != nullptr && store_->saveKeepingBoth(error, keptAs);
}

QString WineGuide::takePersonalMessage() {
    return store_ != nullptr ? store_->takeMessage() : QString();
}

int WineGuide::personalCount() const {
    return store_ != nullptr ? store_->count() : 0;
}

std::optional<PersonalEntry> WineGuide::personalEntryAt(int i) const {
    if (store_ == nullptr) {
        return std::nullopt;
    }
    return store_->entryAt(i);
}

int WineGuide::addPersonalEntry(const QString& name, EntryKind kind) {
    if (store_ == nullptr) {
        return 0;
    }
    PersonalEntry entry(kind, QByteArray(), QByteArray(""), selectionForNewEntry(kind));
    entry.setName(name);
    store_->add(entry);
    newestEntry_ = store_->count() - 1;
    return store_->count();
}

void WineGuide::removePersonalEntry(int i) {
    if (store_ == nullptr || i < 0 || i >= store_->count()) {
        return;
    }
    store_->removeAt(i);
    // Keep the remembered indices on the entries they named, so that converting the opened
    // bookmark never changes another entry.
    if (currentBookmark_ == i) {
        currentBookmark_ = -1;
    } else if (currentBookmark_ > i) {
        --currentBookmark_;
    }
    if (newestEntry_ > i) {
        --newestEntry_;
    }
}

void WineGuide::renamePersonalEntry(int i, const QString& name) {
    if (store_ != nullptr) {
        store_->setName(i, name);
    }
}

void WineGuide::setPersonalText(int i, const QString& text) {
    if (store_ != nullptr) {
        store_->setText(i, text);
    }
}

void WineGuide::setPersonalFields(const StringMap& fields, int i) {
    if (store_ == nullptr || catalog_ == nullptr) {
        return;
    }
    const std::optional<PersonalEntry> entry = store_->entryAt(i);
    if (!entry) {
        return;
    }
    // Values the page does not show (hidden fields, dictionaries this catalogue lacks) stay as
    // they are, in their place and with their ids; a shown value keeps its id while its text is
    // unchanged.
    std::vector<DictValue> values;
    QSet<QString> used;
    for (const DictValue& value : entry->values()) {
        const QString name = dictionaryName(value.dictionary());
        if (name.isEmpty() || !isDetailField(name) || !fields.contains(name) ||
            used.contains(name)) {
            values.push_back(value);
            continue;
        }
        used.insert(name);
        const QByteArray text =
            PersonalEntry::encodeLimited(*fields.get(name), PersonalEntry::kMaxValueTextLength);
        values.push_back(text == value.text() ? value : DictValue(-1, value.dictionary(), text));
    }
    for (int k = 0; k < fields.count(); ++k) {
        const QString key = fields.key(k);
        const int table = catalog_->indexOfTable(dictionaryTableName(toWindows1252(key)));
        if (table < 0 || used.contains(key)) {
            continue;
        }
        used.insert(key);
        values.emplace_back(
            -1, table,
            PersonalEntry::encodeLimited(fields.value(k), PersonalEntry::kMaxValueTextLength));
    }
    store_->setValues(i, values);
}

bool WineGuide::hasEntryOfKind(EntryKind kind) const {
    if (store_ == nullptr) {
        return false;
    }
    for (const PersonalEntry& entry : store_->entries()) {
        if (entry.kind() == kind) {
            return true;
        }
    }
    return false;
}

bool WineGuide::isDetailField(const QString& name) {
    return !name.contains(QLatin1StringView(fmt::dict::kProductStem)) &&
           !name.contains(QLatin1StringView(fmt::dict::kSegment));
}

QString WineGuide::dictionaryName(int tableNumber) const {
    if (catalog_ == nullptr) {
        return QString();
    }
    return fromWindows1252(catalog_->tableShortName(tableNumber));
}

}  // namespace corkwise
