#include "guide/NameSearch.h"

#include "catalog/Catalog.h"
#include "catalog/CatalogFile.h"
#include "catalog/CatalogFormat.h"
#include "catalog/Coding.h"
#include "catalog/DictionaryTable.h"
#include "catalog/DisplayText.h"
#include "catalog/RecordTable.h"
#include "common/TextFolding.h"
#include "guide/SearchFlow.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cstdint>
#include <string_view>
#include <tuple>
#include <unordered_map>

namespace corkwise {

namespace fmt = catalog_format;

namespace {

// The columns a search reads from each wine record: the five that are matched, then the vintage.
enum Column { kProducer, kProduct, kAppellation, kVariety, kRegion, kVintage, kColumnCount };
constexpr int kNameColumns = kRegion + 1;
constexpr std::array<const char*, kColumnCount> kColumnNames = {
    fmt::dict::kProducer, fmt::dict::kProduct, fmt::dict::kAppellation,
    fmt::dict::kVariety,  fmt::dict::kRegion,  fmt::dict::kVintage};

// Query words are matched 64 at a time, one bit each.
constexpr size_t kWordsPerPass = 64;

// The words of one pass over the catalogue, with the words each folded first letter may begin.
struct PassWords {
    explicit PassWords(const std::vector<std::string>& all) : words(all) {
        for (size_t k = 0; k < words.size(); ++k) {
            byFirst[static_cast<unsigned char>(words[k][0])] |= std::uint64_t{1} << k;
        }
    }
    const std::vector<std::string>& words;
    std::array<std::uint64_t, 256> byFirst{};
};

// Whether WORD is the folded form of the start of TEXT (LENGTH bytes, Windows-1252).
bool foldedStartIs(const unsigned char* text, int length, const std::string& word) {
    const Windows1252Folding& folding = Windows1252Folding::instance();
    size_t matched = 0;
    for (int i = 0; i < length && matched < word.size(); ++i) {
        const std::string_view form = folding.form(text[i]);
        for (size_t f = 0; f < form.size() && matched < word.size(); ++f) {
            if (form[f] != word[matched]) {
                return false;
            }
            ++matched;
        }
    }
    return matched == word.size();
}

// Bit k set when word k of WORDS starts a word of TEXT (LENGTH bytes, Windows-1252), folded as
// the words are. Reads TEXT once, folding only where a word may start.
std::uint64_t wordStarts(const unsigned char* text, int length, const PassWords& words) {
    const Windows1252Folding& folding = Windows1252Folding::instance();
    std::uint64_t mask = 0;
    bool atStart = true;
    for (int i = 0; i < length; ++i) {
        const unsigned char b = text[i];
        const char first = folding.first(b);
        if (first == ' ') {
            atStart = true;
            continue;
        }
        if (!atStart) {
            continue;
        }
        atStart = false;
        std::uint64_t maybe = words.byFirst[static_cast<unsigned char>(first)] & ~mask;
        while (maybe != 0) {
            const int k = std::countr_zero(maybe);
            maybe &= maybe - 1;
            if (foldedStartIs(text + i, length - i, words.words[static_cast<size_t>(k)])) {
                mask |= std::uint64_t{1} << k;
            }
        }
    }
    return mask;
}

// A wine table with where its columns are: position in the record and dictionary number, -1
// where the table lacks the column.
struct WineTable {
    int number = -1;
    const RecordTable* table = nullptr;
    std::array<int, kColumnCount> position{};
    std::array<int, kColumnCount> dictionary{};
};

struct Candidate {
    int table;  // index into the WineTable list
    int row;
    std::array<int, kColumnCount> ids;
    int producerRank = -1;
    int productRank = -1;
    int vintageKey = 0;
};

class Search {
public:
    explicit Search(const Catalog& catalog) : catalog_(catalog), file_(catalog.file()) {}

    std::vector<WineTable> wineTables() const {
        std::vector<WineTable> tables;
        // The wines are the records the Find Wine tree's wine nodes stand for, in whatever
        // tables they lie and whatever those are called.
        const SearchFlow* findWine = SearchFlow::find(kFindWineFlow);
        for (const int number : catalog_.treeRecordTables(findWine->levelTable)) {
            const RecordTable* table = file_->recordTableAt(number);
            WineTable wine{number, table, {}, {}};
            wine.position.fill(-1);
            wine.dictionary.fill(-1);
            for (int j = 0; j < table->columnCount(); ++j) {
                const QByteArray name = catalog_.tableShortName(table->columnDictionary(j));
                for (int c = 0; c < kColumnCount; ++c) {
                    if (wine.position[c] < 0 && name == kColumnNames[c]) {
                        wine.position[c] = j;
                        wine.dictionary[c] = table->columnDictionary(j);
                    }
                }
            }
            tables.push_back(wine);
        }
        return tables;
    }

    // The bytes of value ID in dictionary DICT, in place in the map or copied; false when there
    // is no such value. Texts are cut to the longest a dictionary holds, as where nodes read
    // them.
    bool rawText(const DictionaryTable* table, int id, const unsigned char** bytes, int* length) {
        qint64 offset = 0;
        if (table == nullptr || !table->rowSpan(id, &offset, length)) {
            return false;
        }
        *length = std::min(*length, fmt::kMaxTextLength);
        *bytes = file_->mappedBytes(offset, *length);
        if (*bytes == nullptr) {
            copy_ = table->readRow(id).left(fmt::kMaxTextLength);
            *bytes = reinterpret_cast<const unsigned char*>(copy_.constData());
            *length = static_cast<int>(copy_.size());
        }
        return true;
    }

    // The text of value ID in dictionary DICT, into FOLDED (folded) and RAW (as stored).
    bool readText(int dict, int id, std::string& folded, QByteArray* raw = nullptr) {
        const unsigned char* bytes = nullptr;
        int length = 0;
        if (!rawText(file_->dictionaryAt(dict), id, &bytes, &length)) {
            folded.clear();
            if (raw != nullptr) {
                raw->clear();
            }
            return false;
        }
        Windows1252Folding::instance().fold(bytes, static_cast<size_t>(length), folded);
        if (raw != nullptr) {
            *raw = QByteArray(reinterpret_cast<const char*>(bytes), length);
        }
        return true;
    }

    // For each value of dictionary DICT, which of WORDS start one of its words.
    const std::vector<std::uint64_t>& masks(int dict, const PassWords& words) {
        auto [it, added] = masks_.try_emplace(dict);
        if (!added) {
            return it->second;
        }
        const DictionaryTable* table = file_->dictionaryAt(dict);
        const int rows = table == nullptr ? 0 : table->rowCount();
        std::vector<std::uint64_t>& result = it->second;
        result.assign(static_cast<size_t>(rows), 0);
        const unsigned char* bytes = nullptr;
        int length = 0;
        for (int v = 0; v < rows; ++v) {
            if (rawText(table, v, &bytes, &length)) {
                result[static_cast<size_t>(v)] = wordStarts(bytes, length, words);
            }
        }
        return result;
    }

    // Every record of TABLES matching all of WORDS (at most 64).
    std::vector<Candidate> scan(const std::vector<WineTable>& tables, const PassWords& words) {
        masks_.clear();
        const std::uint64_t all = ~std::uint64_t{0} >> (kWordsPerPass - words.words.size());
        std::vector<Candidate> found;
        std::vector<unsigned char> copy;
        for (size_t t = 0; t < tables.size(); ++t) {
            const WineTable& wine = tables[t];
            // Only the columns in which some query word starts a word are looked at, and none
            // when together they cannot hold every word.
            struct Active {
                int at;
                const std::uint64_t* masks;
                size_t size;
            };
            std::array<Active, kNameColumns> active{};
            int activeCount = 0;
            std::uint64_t reachable = 0;
            for (int c = 0; c < kNameColumns; ++c) {
                if (wine.dictionary[c] < 0) {
                    continue;
                }
                const std::vector<std::uint64_t>& m = masks(wine.dictionary[c], words);
                std::uint64_t any = 0;
                for (const std::uint64_t bits : m) {
                    any |= bits;
                }
                if (any != 0) {
                    active[static_cast<size_t>(activeCount++)] = {
                        wine.position[c] * fmt::kValueIdSize, m.data(), m.size()};
                    reachable |= any;
                }
            }
            const int width = wine.table->recordSize();
            const int rows = wine.table->rowCount();
            if (reachable != all || rows < 2 || width <= 0) {
                continue;
            }
            // The records lie back to back after the header row; through the map they are read
            // in place, otherwise one at a time.
            const uchar* block =
                file_->mappedBytes(wine.table->rowOffset(1), qint64{rows - 1} * width);
            copy.resize(static_cast<size_t>(width));
            for (int r = 1; r < rows; ++r) {
                const uchar* record = nullptr;
                if (block != nullptr) {
                    record = block + qint64{r - 1} * width;
                } else if (file_->readInto(wine.table->rowOffset(r),
                                           reinterpret_cast<char*>(copy.data()), width)) {
                    record = copy.data();
                } else {
                    continue;
                }
                std::uint64_t mask = 0;
                for (int a = 0; a < activeCount; ++a) {
                    const Active& column = active[static_cast<size_t>(a)];
                    const auto id = static_cast<size_t>(coding::getU16(record + column.at));
                    if (id < column.size) {
                        mask |= column.masks[id];
                    }
                }
                if (mask != all) {
                    continue;
                }
                Candidate match{static_cast<int>(t), r, {}};
                for (int c = 0; c < kColumnCount; ++c) {
                    const int j = wine.position[c];
                    match.ids[c] =
                        j < 0 ? -1 : coding::getU16(record + qint64{j} * fmt::kValueIdSize);
                }
                found.push_back(match);
            }
        }
        return found;
    }

    // Keeps the CANDIDATES that also match all of WORDS (at most 64).
    void narrow(const std::vector<WineTable>& tables, const PassWords& words,
                std::vector<Candidate>& candidates) {
        masks_.clear();
        const std::uint64_t all = ~std::uint64_t{0} >> (kWordsPerPass - words.words.size());
        std::erase_if(candidates, [&](const Candidate& wine) {
            std::uint64_t mask = 0;
            for (int c = 0; c < kNameColumns; ++c) {
                const int dict = tables[static_cast<size_t>(wine.table)].dictionary[c];
                if (dict >= 0 && wine.ids[c] >= 0) {
                    const std::vector<std::uint64_t>& m = masks(dict, words);
                    if (static_cast<size_t>(wine.ids[c]) < m.size()) {
                        mask |= m[static_cast<size_t>(wine.ids[c])];
                    }
                }
            }
            return mask != all;
        });
    }

    // Ranks the values of column C among CANDIDATES alphabetically, ignoring case and accents,
    // equal folded texts in byte order; a missing value ranks first.
    void rank(const std::vector<WineTable>& tables, Column c, std::vector<Candidate>& candidates,
              int Candidate::*field) {
        struct Text {
            qint64 key;
            std::string folded;
            QByteArray raw;
        };
        // A value's key: its dictionary, then its value id, which is below kMaxValueIds.
        auto keyOf = [&](const Candidate& wine) -> qint64 {
            const int dict = tables[static_cast<size_t>(wine.table)].dictionary[c];
            return dict < 0 || wine.ids[c] < 0 ? -1
                                               : qint64{dict} * fmt::kMaxValueIds + wine.ids[c];
        };
        std::vector<qint64> keys;
        keys.reserve(candidates.size());
        for (const Candidate& wine : candidates) {
            keys.push_back(keyOf(wine));
        }
        std::sort(keys.begin(), keys.end());
        keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
        std::vector<Text> texts;
        texts.reserve(keys.size());
        for (const qint64 key : keys) {
            Text text{key, {}, {}};
            if (key >= 0) {
                readText(static_cast<int>(key / fmt::kMaxValueIds),
                         static_cast<int>(key % fmt::kMaxValueIds), text.folded, &text.raw);
            }
            texts.push_back(std::move(text));
        }
        auto bytes = [](const QByteArray& raw) {
            return std::string_view(raw.constData(), static_cast<size_t>(raw.size()));
        };
        std::sort(texts.begin(), texts.end(), [&bytes](const Text& a, const Text& b) {
            if (a.key < 0 || b.key < 0) {
                return a.key < 0 && b.key >= 0;
            }
            return alphabeticallyBefore(a.folded, bytes(a.raw), b.folded, bytes(b.raw));
        });
        std::unordered_map<qint64, int> ranks;
        ranks.reserve(texts.size());
        for (size_t i = 0; i < texts.size(); ++i) {
            ranks.emplace(texts[i].key, static_cast<int>(i));
        }
        for (Candidate& wine : candidates) {
            wine.*field = ranks[keyOf(wine)];
        }
    }

    // Newest year first, then any vintage that is not a year.
    int vintageKey(const WineTable& wine, int id) {
        std::string folded;
        QByteArray raw;
        if (wine.dictionary[kVintage] < 0 || id < 0 ||
            !readText(wine.dictionary[kVintage], id, folded, &raw)) {
            return INT_MAX;
        }
        bool ok = false;
        const int year = raw.trimmed().toInt(&ok);
        return ok && year >= 0 ? -year : INT_MAX;
    }

    QString text(const WineTable& wine, Column c, int id) {
        QByteArray raw;
        std::string folded;
        if (wine.dictionary[c] < 0 || id < 0) {
            return {};
        }
        readText(wine.dictionary[c], id, folded, &raw);
        return toDisplayText(raw);
    }

private:
    const Catalog& catalog_;
    CatalogFile* file_;
    std::unordered_map<int, std::vector<std::uint64_t>> masks_;
    QByteArray copy_;
};

}  // namespace

NameSearch::NameSearch(const Catalog& catalog) : catalog_(catalog) {}

std::string NameSearch::foldText(const char* text, int length) {
    return foldWindows1252(std::string_view(text, static_cast<size_t>(std::max(length, 0))));
}

std::vector<std::string> NameSearch::queryWords(const QString& query) {
    const std::string folded = corkwise::foldText(query);
    std::vector<std::string> words;
    size_t start = 0;
    while (start < folded.size()) {
        size_t end = folded.find(' ', start);
        if (end == std::string::npos) {
            end = folded.size();
        }
        if (end > start) {
            words.push_back(folded.substr(start, end - start));
        }
        start = end + 1;
    }
    // A word that begins another word of the query is implied by it.
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    std::erase_if(words, [&words](const std::string& w) {
        return std::any_of(words.begin(), words.end(), [&w](const std::string& other) {
            return other.size() > w.size() && other.compare(0, w.size(), w) == 0;
        });
    });
    return words;
}

bool NameSearch::isSearchable(const QString& query) {
    size_t characters = 0;
    for (const std::string& word : queryWords(query)) {
        characters += word.size();
    }
    return characters >= static_cast<size_t>(kMinimumCharacters);
}

NameSearchResult NameSearch::find(const QString& query, int limit) const {
    NameSearchResult result;
    const std::vector<std::string> words = queryWords(query);
    if (!isSearchable(query) || catalog_.file() == nullptr || !catalog_.isOpen()) {
        return result;
    }
    Search search(catalog_);
    const std::vector<WineTable> tables = search.wineTables();
    std::vector<Candidate> found;
    for (size_t first = 0; first < words.size(); first += kWordsPerPass) {
        const std::vector<std::string> pass(
            words.begin() + static_cast<std::ptrdiff_t>(first),
            words.begin() +
                static_cast<std::ptrdiff_t>(std::min(words.size(), first + kWordsPerPass)));
        const PassWords passWords(pass);
        if (first == 0) {
            found = search.scan(tables, passWords);
        } else {
            search.narrow(tables, passWords, found);
        }
    }
    result.total = static_cast<int>(found.size());
    const size_t listed =
        limit < 0 ? found.size() : std::min(found.size(), static_cast<size_t>(limit));
    if (listed == 0) {
        return result;
    }

    // Only the producers that reach into the listed wines need their products ranked.
    search.rank(tables, kProducer, found, &Candidate::producerRank);
    if (listed < found.size()) {
        const auto nth = found.begin() + static_cast<std::ptrdiff_t>(listed - 1);
        std::nth_element(
            found.begin(), nth, found.end(),
            [](const Candidate& a, const Candidate& b) { return a.producerRank < b.producerRank; });
        const int last = nth->producerRank;
        std::erase_if(found, [last](const Candidate& wine) { return wine.producerRank > last; });
    }
    search.rank(tables, kProduct, found, &Candidate::productRank);
    for (Candidate& wine : found) {
        wine.vintageKey =
            search.vintageKey(tables[static_cast<size_t>(wine.table)], wine.ids[kVintage]);
    }
    auto order = [&tables](const Candidate& a, const Candidate& b) {
        const int ta = tables[static_cast<size_t>(a.table)].number;
        const int tb = tables[static_cast<size_t>(b.table)].number;
        return std::tie(a.producerRank, a.productRank, a.vintageKey, ta, a.row) <
               std::tie(b.producerRank, b.productRank, b.vintageKey, tb, b.row);
    };
    std::sort(found.begin(), found.end(), order);

    result.wines.reserve(listed);
    for (size_t i = 0; i < listed; ++i) {
        const Candidate& wine = found[i];
        const WineTable& table = tables[static_cast<size_t>(wine.table)];
        result.wines.push_back(NameMatch{table.number, wine.row,
                                         search.text(table, kProducer, wine.ids[kProducer]),
                                         search.text(table, kProduct, wine.ids[kProduct]),
                                         search.text(table, kVintage, wine.ids[kVintage])});
    }
    return result;
}

}  // namespace corkwise
