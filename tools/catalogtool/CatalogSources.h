#pragma once
// The catalogue sources read into memory: every text converted to Windows-1252 and interned in
// the dictionary of its kind, wines and the other rows holding value ids. docs/catalogue-sources.md
// describes the CSV files.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace corkwise::tool {

// The catalogue's dictionaries, in the order of their tables.
enum Dict : int {
    kDictOrigin,
    kDictSsf,
    kDictType,
    kDictRegion,
    kDictSegment,
    kDictProducer,
    kDictVintage,
    kDictProduct,
    kDictDesignation,
    kDictVariety,
    kDictAppellation,
    kDictScore,
    kDictAppellationVariety,
    kDictDescription,
    kDictBestProducers,
    kDictFoodType,
    kDictFood,
    kDictFirstYearScore,                            // "1985" .. "2003"
    kDictFirstYearCode = kDictFirstYearScore + 19,  // "COMMENT1985" .. "COMMENT2003"
    kDictCount = kDictFirstYearCode + 19,
};

inline constexpr int kFirstChartYear = 1985;
inline constexpr int kLastChartYear = 2003;
inline constexpr int kChartYears = kLastChartYear - kFirstChartYear + 1;

// Short name of dictionary D ("ORIGIN", "1997", "COMMENT1997" ...).
QString dictShortName(int d);
// The text that stands for an absent value in dictionary D: catalog_format::placeholderFor of
// its short name ("No Region Assigned" ...).
const char* placeholderText(int d);

// Producer segments: letter groups of names ("A - C" ...), "0 - 9" for any other first character.
inline constexpr int kSegmentCount = 9;
extern const char* const kSegments[kSegmentCount];
// Index in kSegments of the group of PRODUCER (Windows-1252 text): that of its first character
// folded (common/TextFolding.h).
int segmentOf(const std::string& producer);

// The texts of one dictionary, each once, numbered from 0 in order of arrival.
class TextPool {
public:
    // Id of TEXT, adding it when new; -1 when the pool is full (65,536 texts).
    int intern(std::string_view text);
    const std::vector<std::string>& texts() const { return texts_; }
    int size() const { return static_cast<int>(texts_.size()); }

private:
    std::vector<std::string> texts_;
    // Open addressing: slot holds id + 1 (0 when free), with the hash of each id kept so that
    // most probes are settled without touching the text.
    std::vector<std::uint32_t> slots_;
    std::vector<std::size_t> hashes_;
};

// The columns of a wine record, in record order; each draws from the dictionary of the same
// position in kWineColumnDicts.
inline constexpr std::array<int, 14> kWineColumnDicts = {kDictOrigin,
                                                         kDictSsf,
                                                         kDictType,
                                                         kDictRegion,
                                                         kDictSegment,
                                                         kDictProducer,
                                                         kDictVintage,
                                                         kDictProduct,
                                                         kDictDesignation,
                                                         kDictVariety,
                                                         kDictAppellation,
                                                         kDictScore,
                                                         kDictAppellationVariety,
                                                         kDictDescription};
enum WineColumn : int {
    kWineOrigin,
    kWineSsf,
    kWineType,
    kWineRegion,
    kWineSegment,
    kWineProducer,
    kWineVintage,
    kWineProduct,
    kWineDesignation,
    kWineVariety,
    kWineAppellation,
    kWineScore,
    kWineAppellationVariety,
    kWineDescription,
};

// Origin, category, type, region and appellation-or-variety: the five choices above the results
// of the chart, best producers and best values trees.
using ChartPath = std::array<std::uint16_t, 5>;

struct Wine {
    std::array<std::uint16_t, kWineColumnDicts.size()> values{};
    int line = 0;  // line in wines.csv
};

struct FoodPairing {
    std::uint16_t foodType = 0;
    std::uint16_t food = 0;
    std::uint32_t wine = 0;  // index into Sources::wines
};

struct VintageChart {
    ChartPath path{};
    std::array<std::uint16_t, kChartYears> scores{};  // value ids in kDictFirstYearScore + i
    std::array<std::uint16_t, kChartYears> codes{};   // value ids in kDictFirstYearCode + i
};

struct BestProducer {
    ChartPath path{};
    std::uint16_t text = 0;
    int line = 0;
};

struct BestValue {
    ChartPath path{};
    std::uint16_t producer = 0;
    std::uint32_t wine = 0;
    int line = 0;
};

struct Sources {
    std::array<TextPool, kDictCount> dicts;
    std::vector<Wine> wines;           // in file order
    std::vector<std::string> wineIds;  // the id of each wine, as wines.csv gives it (or its line)
    std::vector<double> prices;        // the price of each wine; negative when it has none
    std::vector<FoodPairing> pairings;
    std::vector<VintageChart> charts;
    std::vector<BestProducer> bestProducers;
    std::vector<BestValue> bestValues;
};

// Called now and then while reading: the file being read and the share done, 0 to 100.
using ProgressFunction = std::function<void(const QString& what, int percent)>;

// The thresholds of the rules that derive a missing file from the wines; SourceDerivation.h
// applies them and docs/catalogue-sources.md explains them.
struct DerivationRules {
    int chartMinWines = 3;      // wines a year needs to be rated
    int asOfYear = 0;           // the year vintages are aged to; 0: the newest vintage listed
    int producerMinWines = 2;   // rated wines a producer needs to be listed
    int producersPerList = 10;  // most producers on one list
    int valueMinScore = 85;     // lowest score of a best value
    int valuesPerList = 10;     // most wines on one best-values list
    int winesPerFood = 25;      // most wines paired with one food
    QString foodRulesFile;      // empty: the table shipped with the tool
};

// How the sources are read beyond the five standard files.
struct LoadOptions {
    DerivationRules rules;
    // Maps the columns of wines.csv to other header names, or to one text for every row
    // (docs/catalogue-sources.md, "Other column names"). Empty: the standard names.
    QString columnsFile;
    // A row of wines.csv that cannot be used is reported and left out instead of stopping.
    bool skipBadRows = false;
};

// What reading the sources did besides the wines.
struct LoadReport {
    QStringList derived;  // names of the files that were derived ("food.csv" ...)
    QStringList notes;    // remarks for the user (no prices, hence no best values ...)
    QStringList badRows;  // "wines.csv:17: column ...", one per row left out
};

// Reads the files of folder DIR into SOURCES (which must be empty): wines.csv, and each of the
// four others when present; a missing one is derived from the wines by OPTIONS.rules. Returns
// false with a message naming file, line and column on the first problem.
bool loadSources(const QString& dir, Sources* sources, QString* error,
                 const ProgressFunction& progress = {}, const LoadOptions& options = {},
                 LoadReport* report = nullptr);

// Reads only the wines, from the file at WINESPATH (any name), and derives all four other
// files. What derive writes out.
bool loadAndDerive(const QString& winesPath, Sources* sources, QString* error,
                   const LoadOptions& options, LoadReport* report,
                   const ProgressFunction& progress = {});

// Converts one raw UTF-8 cell to catalogue text: spaces trimmed at both ends, Windows-1252,
// no control characters, at most 254 bytes. Returns false with the reason in WHY.
bool toCatalogueText(std::string_view utf8, std::string* text, QString* why);

}  // namespace corkwise::tool
