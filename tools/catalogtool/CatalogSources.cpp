#include "catalogtool/CatalogSources.h"

#include "catalog/CatalogFormat.h"
#include "catalog/Placeholders.h"
#include "catalogtool/CsvReader.h"
#include "catalogtool/ListImport.h"
#include "catalogtool/SourceDerivation.h"
#include "common/TextCodec.h"
#include "common/TextFolding.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <map>
#include <optional>

namespace corkwise::tool {

namespace fmt = catalog_format;

namespace {

const char* const kDictNames[kDictFirstYearScore] = {fmt::dict::kOrigin,
                                                     fmt::dict::kCategory,
                                                     fmt::dict::kType,
                                                     fmt::dict::kRegion,
                                                     fmt::dict::kSegment,
                                                     fmt::dict::kProducer,
                                                     fmt::dict::kVintage,
                                                     fmt::dict::kProduct,
                                                     fmt::dict::kDesignation,
                                                     fmt::dict::kVariety,
                                                     fmt::dict::kAppellation,
                                                     fmt::dict::kScore,
                                                     fmt::dict::kAppellationVariety,
                                                     fmt::dict::kDescription,
                                                     fmt::dict::kBestProducers,
                                                     fmt::dict::kFoodType,
                                                     fmt::dict::kFood};

// One column a source file may have.
struct ColumnSpec {
    const char* name;
    bool required;  // the header must have it and every row must fill it
};

// Header names compare without letter case, with spaces counted as underscores.
QString headerName(const std::string& raw) {
    return normalisedHeader(QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size())));
}

// A source file being read: its rows, its header mapped onto the wanted columns, and the
// conversion of cells with errors that name file, line and column.
class SourceFile {
public:
    SourceFile(QString name, std::vector<ColumnSpec> columns)
        : name_(std::move(name)), columns_(std::move(columns)) {}

    // Reads the columns of this file from other header names, or as one text for every row.
    void setColumnMap(const ColumnMap* map) { map_ = map; }

    bool open(const QString& dir, QString* error) {
        return openPath(QDir(dir).filePath(name_), error);
    }

    bool openPath(const QString& path, QString* error) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("%1: cannot read the file: %2").arg(name_, file.errorString());
            return false;
        }
        data_ = file.readAll();
        return openData(error);
    }

    bool openData(const QByteArray& data, QString* error) {
        data_ = data;
        return openData(error);
    }

    bool openData(QString* error) {
        reader_.emplace(data_, name_);
        std::vector<std::string> header;
        if (!reader_->readRow(header)) {
            *error =
                reader_->error().isEmpty()
                    ? QStringLiteral("%1:1: the file is empty; it needs a header row").arg(name_)
                    : reader_->error();
            return false;
        }
        headerCells_ = static_cast<int>(header.size());
        positions_.assign(columns_.size(), -1);
        constants_.assign(columns_.size(), std::nullopt);
        std::vector<QString> wanted;
        for (size_t c = 0; c < columns_.size(); ++c) {
            const QString column = QLatin1String(columns_[c].name);
            wanted.push_back(column);
            if (map_ != nullptr) {
                if (const auto it = map_->constants.find(column); it != map_->constants.end()) {
                    constants_[c] = it->second;
                    wanted.back().clear();
                } else if (const auto h = map_->headers.find(column); h != map_->headers.end()) {
                    wanted.back() = h->second;
                }
            }
        }
        for (int i = 0; i < headerCells_; ++i) {
            const QString name = headerName(header[static_cast<size_t>(i)]);
            for (size_t c = 0; c < columns_.size(); ++c) {
                if (!wanted[c].isEmpty() && name == wanted[c]) {
                    if (positions_[c] >= 0) {
                        *error = QStringLiteral("%1:1: column \"%2\" appears twice in the header")
                                     .arg(name_, wanted[c]);
                        return false;
                    }
                    positions_[c] = i;
                }
            }
        }
        for (size_t c = 0; c < columns_.size(); ++c) {
            if (columns_[c].required && !has(static_cast<int>(c))) {
                *error = QStringLiteral("%1:1: the header lacks the required column \"%2\"")
                             .arg(name_, wanted[c]);
                return false;
            }
        }
        return true;
    }

    // Whether the header (or the column map) gives column C.
    bool has(int c) const {
        const auto i = static_cast<size_t>(c);
        return positions_[i] >= 0 || constants_[i].has_value();
    }

    // Reads the next row that has any content. False at the end or on error (error set). A row
    // with more cells than the header is an error, or, given ROWPROBLEM, reported there.
    bool next(QString* error, QString* rowProblem = nullptr) {
        for (;;) {
            if (!reader_->readRow(cells_)) {
                if (!reader_->error().isEmpty()) {
                    *error = reader_->error();
                }
                return false;
            }
            if (std::all_of(cells_.begin(), cells_.end(),
                            [](const std::string& c) { return isBlank(c); })) {
                continue;
            }
            if (static_cast<int>(cells_.size()) > headerCells_) {
                *(rowProblem != nullptr ? rowProblem : error) =
                    QStringLiteral("%1:%2: the row has %3 cells but the header only %4")
                        .arg(name_)
                        .arg(reader_->rowLine())
                        .arg(cells_.size())
                        .arg(headerCells_);
                if (rowProblem != nullptr) {
                    ++rows_;
                    return true;
                }
                return false;
            }
            ++rows_;
            return true;
        }
    }

    // Text of column C of the current row, converted; empty when absent. False on bad text or
    // on an empty required column.
    bool text(int c, std::string* out, QString* error) {
        const int pos = positions_[static_cast<size_t>(c)];
        const std::optional<std::string>& constant = constants_[static_cast<size_t>(c)];
        if (!constant && (pos < 0 || pos >= static_cast<int>(cells_.size()))) {
            out->clear();
        } else {
            QString why;
            if (!toCatalogueText(constant ? *constant : cells_[static_cast<size_t>(pos)], out,
                                 &why)) {
                *error = cellError(c, why);
                return false;
            }
        }
        if (out->empty() && columns_[static_cast<size_t>(c)].required) {
            *error = cellError(c, QStringLiteral("the cell is empty but the column is required"));
            return false;
        }
        return true;
    }

    // Column C of the current row as it stands, trimmed, for cells that are not catalogue text
    // (lists of ids).
    bool raw(int c, std::string* out, QString* error) {
        const int pos = positions_[static_cast<size_t>(c)];
        out->clear();
        if (pos >= 0 && pos < static_cast<int>(cells_.size())) {
            *out = cells_[static_cast<size_t>(pos)];
        }
        if (out->find_first_not_of(' ') == std::string::npos) {
            *error = cellError(c, QStringLiteral("the cell is empty but the column is required"));
            return false;
        }
        return true;
    }

    QString cellError(int c, const QString& why) const {
        return QStringLiteral("%1:%2: column \"%3\": %4")
            .arg(name_)
            .arg(reader_->rowLine())
            .arg(QLatin1String(columns_[static_cast<size_t>(c)].name), why);
    }
    QString rowError(const QString& why) const {
        return QStringLiteral("%1:%2: %3").arg(name_).arg(reader_->rowLine()).arg(why);
    }

    int line() const { return reader_->rowLine(); }
    int rows() const { return rows_; }
    int percent() const {
        return data_.isEmpty() ? 100 : static_cast<int>(reader_->position() * 100 / data_.size());
    }
    const QString& name() const { return name_; }

private:
    static bool isBlank(const std::string& cell) {
        return std::all_of(cell.begin(), cell.end(), [](char ch) { return ch == ' '; });
    }

    QString name_;
    std::vector<ColumnSpec> columns_;
    const ColumnMap* map_ = nullptr;
    std::vector<std::optional<std::string>> constants_;
    QByteArray data_;
    std::optional<CsvReader> reader_;
    std::vector<int> positions_;
    std::vector<std::string> cells_;
    int headerCells_ = 0;
    int rows_ = 0;
};

// Interns cell texts into the dictionaries and reports full dictionaries against the cell.
class Loader {
public:
    Loader(Sources* sources, const ProgressFunction& progress, const LoadOptions& options,
           LoadReport* report)
        : s_(sources), progress_(progress), options_(options), report_(report) {}

    bool intern(SourceFile& file, int column, int dict, const std::string& text, std::uint16_t* id,
                QString* error) {
        const std::string& value = text.empty() ? std::string(placeholderText(dict)) : text;
        const int v = s_->dicts[static_cast<size_t>(dict)].intern(value);
        if (v < 0) {
            *error = file.cellError(
                column, QStringLiteral("the dictionary %1 would hold more than 65,536 texts, the "
                                       "most its 16-bit value ids can address")
                            .arg(dictShortName(dict)));
            return false;
        }
        *id = static_cast<std::uint16_t>(v);
        return true;
    }

    void report(const SourceFile& file) {
        if (progress_ && (++tick_ & 0x3FFF) == 0) {
            progress_(file.name(), file.percent());
        }
    }

    bool loadColumnMap(QString* error);
    bool loadWines(const QString& path, QString* error);
    // Loads file NAME of DIR, or derives it from the wines when DIR lacks it.
    bool loadOrDerive(const QString& dir, const QString& name, QString* error);
    bool derive(const QString& name, QString* error);
    bool loadFood(const QString& dir, QString* error);
    bool loadCharts(const QString& dir, QString* error);
    bool loadBestProducers(const QString& dir, QString* error);
    bool loadBestValues(const QString& dir, QString* error);

private:
    // Reads the five path columns (origin, category, type, region, appellation_variety), which
    // are columns 0 to 4 of every chart-like file.
    bool readPath(SourceFile& file, ChartPath* path, QString* error) {
        static const int kDicts[5] = {kDictOrigin, kDictSsf, kDictType, kDictRegion,
                                      kDictAppellationVariety};
        std::string text;
        for (int c = 0; c < 5; ++c) {
            if (!file.text(c, &text, error) ||
                !intern(file, c, kDicts[c], text, &(*path)[static_cast<size_t>(c)], error)) {
                return false;
            }
        }
        return true;
    }
    bool findWine(SourceFile& file, int column, const std::string& id, std::uint32_t* wine,
                  QString* error) const {
        const auto it = wineIds_.find(id);
        if (it == wineIds_.end()) {
            *error = file.cellError(
                column, QStringLiteral("no wine in wines.csv has the id \"%1\"")
                            .arg(fromWindows1252(id.data(), static_cast<qsizetype>(id.size()))));
            return false;
        }
        *wine = it->second;
        return true;
    }
    static bool needRows(const SourceFile& file, QString* error) {
        if (file.rows() == 0) {
            *error = QStringLiteral("%1: the file has no data rows").arg(file.name());
            return false;
        }
        return true;
    }

    bool readWine(SourceFile& file, QString* error);
    bool loadFoodRules(std::vector<FoodRule>* rules, QString* error);
    void note(const QString& text) {
        if (report_ != nullptr) {
            report_->notes << text;
        }
    }

    Sources* s_;
    const ProgressFunction& progress_;
    const LoadOptions& options_;
    LoadReport* report_;
    ColumnMap columnMap_;
    std::unordered_map<std::string, std::uint32_t> wineIds_;
    unsigned tick_ = 0;
};

}  // namespace

// The letter groups of producer names, in the order the segment level lists them.
const char* const kSegments[kSegmentCount] = {"0 - 9", "A - C", "D - F", "G - I", "J - L",
                                              "M - O", "P - R", "S - U", "V - Z"};

int segmentOf(const std::string& producer) {
    const char c =
        producer.empty()
            ? '0'
            : Windows1252Folding::instance().first(static_cast<unsigned char>(producer[0]));
    if (c < 'a' || c > 'z') {
        return 0;
    }
    const int letter = c - 'a';
    return letter >= 21 ? 8 : 1 + letter / 3;
}

namespace {

// The columns of wines.csv, in the order of kWineFileColumns.
enum WineFileColumn {
    cId,
    cOrigin,
    cCategory,
    cType,
    cRegion,
    cProducer,
    cVintage,
    cProduct,
    cDesignation,
    cVariety,
    cAppellation,
    cAppellationVariety,
    cScore,
    cDescription,
    cPrice
};
// The id and vintage columns may be missing (the line number stands for the id, the wine's
// name holds the vintage), but when present, every row must fill them.
const std::vector<ColumnSpec> kWineFileColumns = {
    {"id", false},      {"origin", true},       {"category", true},
    {"type", true},     {"region", false},      {"producer", true},
    {"vintage", false}, {"product", true},      {"designation", false},
    {"variety", false}, {"appellation", false}, {"appellation_variety", false},
    {"score", false},   {"description", false}, {"price", false}};

}  // namespace

bool Loader::loadColumnMap(QString* error) {
    if (options_.columnsFile.isEmpty()) {
        return true;
    }
    std::map<QString, bool> known;
    for (const ColumnSpec& column : kWineFileColumns) {
        known[QLatin1String(column.name)] = column.required;
    }
    return readColumnMap(options_.columnsFile, known, &columnMap_, error);
}

bool Loader::loadWines(const QString& path, QString* error) {
    SourceFile file(QFileInfo(path).fileName(), kWineFileColumns);
    if (!options_.columnsFile.isEmpty()) {
        file.setColumnMap(&columnMap_);
    }
    if (!file.openPath(path, error)) {
        return false;
    }
    int bad = 0;
    for (;;) {
        QString rowProblem;
        if (!file.next(error, &rowProblem)) {
            break;
        }
        report(file);
        if (rowProblem.isEmpty() && readWine(file, &rowProblem)) {
            continue;
        }
        if (!options_.skipBadRows) {
            *error = rowProblem;
            return false;
        }
        ++bad;
        if (report_ != nullptr) {
            report_->badRows << rowProblem;
        }
    }
    if (!error->isEmpty()) {
        return false;
    }
    if (s_->wines.empty()) {
        *error =
            bad > 0
                ? QStringLiteral("%1: none of its %2 rows can be used").arg(file.name()).arg(bad)
                : QStringLiteral("%1: the file has no data rows").arg(file.name());
        return false;
    }
    return true;
}

bool Loader::readWine(SourceFile& file, QString* error) {
    // Source column -> wine record column, for the columns copied as they are.
    static const std::pair<int, int> kDirect[] = {
        {cOrigin, kWineOrigin},     {cCategory, kWineSsf},
        {cType, kWineType},         {cRegion, kWineRegion},
        {cProducer, kWineProducer}, {cDesignation, kWineDesignation},
        {cVariety, kWineVariety},   {cAppellation, kWineAppellation},
        {cScore, kWineScore},       {cDescription, kWineDescription}};
    Wine wine;
    wine.line = file.line();
    std::string text;
    std::string id;
    if (file.has(cId)) {
        if (!file.text(cId, &id, error)) {
            return false;
        }
        if (id.empty()) {
            *error = file.cellError(cId, QStringLiteral("the cell is empty but the column is "
                                                        "required"));
            return false;
        }
        if (id.find(';') != std::string::npos) {
            *error = file.cellError(cId, QStringLiteral("a wine id cannot hold \";\", which "
                                                        "separates ids in food.csv"));
            return false;
        }
        if (const auto it = wineIds_.find(id); it != wineIds_.end()) {
            *error = file.cellError(cId, QStringLiteral("the id \"%1\" is already used on line %2")
                                             .arg(QString::fromStdString(id))
                                             .arg(s_->wines[it->second].line));
            return false;
        }
    } else {
        id = std::to_string(file.line());
    }
    for (const auto& [source, column] : kDirect) {
        const int dict = kWineColumnDicts[static_cast<size_t>(column)];
        if (!file.text(source, &text, error) ||
            !intern(file, source, dict, text, &wine.values[static_cast<size_t>(column)], error)) {
            return false;
        }
    }
    std::string product;
    if (!file.text(cProduct, &product, error)) {
        return false;
    }
    if (file.has(cVintage)) {
        if (!file.text(cVintage, &text, error)) {
            return false;
        }
        const bool year = text.size() == 4 && std::all_of(text.begin(), text.end(), [](char ch) {
                              return ch >= '0' && ch <= '9';
                          });
        if (!year) {
            if (text.size() == 2 && (text[0] | 0x20) == 'n' && (text[1] | 0x20) == 'v') {
                text = "NV";
            } else {
                *error = file.cellError(cVintage, QStringLiteral("\"%1\" is not a year or \"NV\"")
                                                      .arg(QString::fromLatin1(text.c_str())));
                return false;
            }
        }
    } else {
        // No vintage column: the year written in the wine's name, else a non-vintage wine.
        const std::optional<int> year = takeVintageFromName(&product);
        text = year ? std::to_string(*year) : std::string("NV");
        if (product.empty()) {
            *error = file.cellError(cProduct, QStringLiteral("the name holds nothing but its "
                                                             "vintage"));
            return false;
        }
    }
    if (!intern(file, cProduct, kDictProduct, product, &wine.values[kWineProduct], error) ||
        !intern(file, cVintage, kDictVintage, text, &wine.values[kWineVintage], error)) {
        return false;
    }
    double price = -1;
    if (file.has(cPrice)) {
        if (!file.text(cPrice, &text, error)) {
            return false;
        }
        if (!text.empty()) {
            const std::optional<double> value = parsePrice(text);
            if (!value) {
                *error = file.cellError(
                    cPrice,
                    QStringLiteral("\"%1\" is not a price")
                        .arg(fromWindows1252(text.data(), static_cast<qsizetype>(text.size()))));
                return false;
            }
            price = *value;
        }
    }
    // Segment: the letter group of the producer's name.
    const std::string& producer = s_->dicts[kDictProducer].texts()[wine.values[kWineProducer]];
    if (!intern(file, cProducer, kDictSegment, kSegments[segmentOf(producer)],
                &wine.values[kWineSegment], error)) {
        return false;
    }
    // Appellation or variety: given, else the appellation, else the variety.
    if (!file.text(cAppellationVariety, &text, error)) {
        return false;
    }
    if (text.empty() || text == fmt::kNotAvailable) {
        const std::string& appellation =
            s_->dicts[kDictAppellation].texts()[wine.values[kWineAppellation]];
        const std::string& variety = s_->dicts[kDictVariety].texts()[wine.values[kWineVariety]];
        if (appellation != fmt::kNoAppellation) {
            text = appellation;
        } else if (variety != fmt::kNoVariety) {
            text = variety;
        } else {
            text.clear();
        }
    }
    if (!intern(file, cAppellationVariety, kDictAppellationVariety, text,
                &wine.values[kWineAppellationVariety], error)) {
        return false;
    }
    wineIds_.emplace(id, static_cast<std::uint32_t>(s_->wines.size()));
    s_->wines.push_back(wine);
    s_->wineIds.push_back(std::move(id));
    s_->prices.push_back(price);
    return true;
}

bool Loader::loadFoodRules(std::vector<FoodRule>* rules, QString* error) {
    const QString& path = options_.rules.foodRulesFile;
    SourceFile file(path.isEmpty() ? QStringLiteral("food_rules.csv") : QFileInfo(path).fileName(),
                    {{"type", true},
                     {"category", false},
                     {"variety", false},
                     {"food_type", true},
                     {"food", true}});
    if (!(path.isEmpty() ? file.openData(defaultFoodRules(), error) : file.openPath(path, error))) {
        return false;
    }
    while (file.next(error)) {
        FoodRule rule;
        if (!file.text(0, &rule.type, error) || !file.text(1, &rule.category, error) ||
            !file.text(2, &rule.variety, error) || !file.text(3, &rule.foodType, error) ||
            !file.text(4, &rule.food, error)) {
            return false;
        }
        rules->push_back(std::move(rule));
    }
    return error->isEmpty() && needRows(file, error);
}

bool Loader::derive(const QString& name, QString* error) {
    const DerivationRules& rules = options_.rules;
    if (report_ != nullptr) {
        report_->derived << name;
    }
    if (name == QLatin1String("vintage_chart.csv")) {
        if (!deriveVintageCharts(s_, rules, error)) {
            return false;
        }
        if (s_->charts.empty()) {
            note(QStringLiteral("no year has %1 rated wines of one appellation or variety, so "
                                "there are no vintage charts")
                     .arg(rules.chartMinWines));
        }
    } else if (name == QLatin1String("best_producers.csv")) {
        if (!deriveBestProducers(s_, rules, error)) {
            return false;
        }
        if (s_->bestProducers.empty()) {
            note(QStringLiteral("no producer has %1 rated wines of one appellation or variety, "
                                "so there are no best producers")
                     .arg(rules.producerMinWines));
        }
    } else if (name == QLatin1String("best_values.csv")) {
        qint64 priced = 0;
        if (!deriveBestValues(s_, rules, &priced, error)) {
            return false;
        }
        if (priced == 0) {
            note(QStringLiteral("the wines have no prices, so there are no best values"));
        } else if (s_->bestValues.empty()) {
            note(QStringLiteral("no wine with a price scores %1 or more, so there are no best "
                                "values")
                     .arg(rules.valueMinScore));
        }
    } else {
        std::vector<FoodRule> foodRules;
        if (!loadFoodRules(&foodRules, error)) {
            return false;
        }
        if (!deriveFood(s_, foodRules, rules, error)) {
            return false;
        }
        if (s_->pairings.empty()) {
            note(
                QStringLiteral("no wine matches a rule of the food table, so there are no food "
                               "pairings"));
        }
    }
    if (error->isEmpty()) {
        return true;
    }
    *error = QStringLiteral("%1: %2").arg(name, *error);
    return false;
}

bool Loader::loadOrDerive(const QString& dir, const QString& name, QString* error) {
    if (!QFileInfo::exists(QDir(dir).filePath(name))) {
        return derive(name, error);
    }
    if (name == QLatin1String("food.csv")) {
        return loadFood(dir, error);
    }
    if (name == QLatin1String("vintage_chart.csv")) {
        return loadCharts(dir, error);
    }
    if (name == QLatin1String("best_producers.csv")) {
        return loadBestProducers(dir, error);
    }
    return loadBestValues(dir, error);
}

bool Loader::loadFood(const QString& dir, QString* error) {
    SourceFile file(QStringLiteral("food.csv"),
                    {{"food_type", true}, {"food", true}, {"wines", true}});
    if (!file.open(dir, error)) {
        return false;
    }
    std::string text;
    while (file.next(error)) {
        report(file);
        FoodPairing pairing;
        if (!file.text(0, &text, error) ||
            !intern(file, 0, kDictFoodType, text, &pairing.foodType, error) ||
            !file.text(1, &text, error) ||
            !intern(file, 1, kDictFood, text, &pairing.food, error) || !file.raw(2, &text, error)) {
            return false;
        }
        size_t start = 0;
        while (start <= text.size()) {
            size_t end = text.find(';', start);
            if (end == std::string::npos) {
                end = text.size();
            }
            size_t a = start;
            size_t b = end;
            while (a < b && text[a] == ' ') {
                ++a;
            }
            while (b > a && text[b - 1] == ' ') {
                --b;
            }
            if (b > a) {
                std::string id;
                QString why;
                if (!toCatalogueText(std::string_view(text).substr(a, b - a), &id, &why)) {
                    *error = file.cellError(2, why);
                    return false;
                }
                if (!findWine(file, 2, id, &pairing.wine, error)) {
                    return false;
                }
                s_->pairings.push_back(pairing);
            }
            start = end + 1;
        }
    }
    return error->isEmpty() && needRows(file, error);
}

bool Loader::loadCharts(const QString& dir, QString* error) {
    SourceFile file(QStringLiteral("vintage_chart.csv"), {{"origin", true},
                                                          {"category", true},
                                                          {"type", true},
                                                          {"region", false},
                                                          {"appellation_variety", true},
                                                          {"year", true},
                                                          {"score", true},
                                                          {"code", true}});
    if (!file.open(dir, error)) {
        return false;
    }
    std::map<ChartPath, size_t> chartOf;
    std::map<std::pair<size_t, int>, int> yearLine;  // (chart, year) -> line that set it
    std::string text;
    while (file.next(error)) {
        report(file);
        ChartPath path;
        if (!readPath(file, &path, error) || !file.text(5, &text, error)) {
            return false;
        }
        bool ok = text.size() == 4;
        const int year = ok ? QByteArray::fromStdString(text).toInt(&ok) : 0;
        if (!ok || year < kFirstChartYear || year > kLastChartYear) {
            *error = file.cellError(5, QStringLiteral("\"%1\" is not a year from 1985 to 2003")
                                           .arg(QString::fromLatin1(text.c_str())));
            return false;
        }
        const auto [it, added] = chartOf.emplace(path, s_->charts.size());
        if (added) {
            VintageChart chart;
            chart.path = path;
            for (int i = 0; i < kChartYears; ++i) {
                std::uint16_t none = 0;
                if (!intern(file, 5, kDictFirstYearScore + i, fmt::kNotAvailable, &none, error)) {
                    return false;
                }
                chart.scores[static_cast<size_t>(i)] = none;
                if (!intern(file, 5, kDictFirstYearCode + i, fmt::kNotAvailable, &none, error)) {
                    return false;
                }
                chart.codes[static_cast<size_t>(i)] = none;
            }
            s_->charts.push_back(chart);
        }
        const auto [yit, fresh] = yearLine.emplace(std::make_pair(it->second, year), file.line());
        if (!fresh) {
            *error = file.cellError(5, QStringLiteral("this chart already rates %1 on line %2")
                                           .arg(year)
                                           .arg(yit->second));
            return false;
        }
        VintageChart& chart = s_->charts[it->second];
        const size_t y = static_cast<size_t>(year - kFirstChartYear);
        if (!file.text(6, &text, error) ||
            !intern(file, 6, kDictFirstYearScore + static_cast<int>(y), text, &chart.scores[y],
                    error) ||
            !file.text(7, &text, error)) {
            return false;
        }
        for (char& ch : text) {
            if (ch >= 'a' && ch <= 'z') {
                ch = static_cast<char>(ch - 'a' + 'A');
            }
        }
        if (text != "H" && text != "D" && text != "W" && text != "A" && text != "NV") {
            *error = file.cellError(7, QStringLiteral("\"%1\" is not one of the codes H, D, W, "
                                                      "A and NV")
                                           .arg(QString::fromLatin1(text.c_str())));
            return false;
        }
        if (!intern(file, 7, kDictFirstYearCode + static_cast<int>(y), text, &chart.codes[y],
                    error)) {
            return false;
        }
    }
    return error->isEmpty() && needRows(file, error);
}

bool Loader::loadBestProducers(const QString& dir, QString* error) {
    SourceFile file(QStringLiteral("best_producers.csv"), {{"origin", true},
                                                           {"category", true},
                                                           {"type", true},
                                                           {"region", false},
                                                           {"appellation_variety", true},
                                                           {"text", true}});
    if (!file.open(dir, error)) {
        return false;
    }
    std::map<std::pair<ChartPath, std::uint16_t>, int> seen;
    std::string text;
    while (file.next(error)) {
        report(file);
        BestProducer entry;
        entry.line = file.line();
        if (!readPath(file, &entry.path, error) || !file.text(5, &text, error) ||
            !intern(file, 5, kDictBestProducers, text, &entry.text, error)) {
            return false;
        }
        const auto [it, added] = seen.emplace(std::make_pair(entry.path, entry.text), entry.line);
        if (!added) {
            *error = file.cellError(5, QStringLiteral("the same list already has this text on "
                                                      "line %1")
                                           .arg(it->second));
            return false;
        }
        s_->bestProducers.push_back(entry);
    }
    return error->isEmpty() && needRows(file, error);
}

bool Loader::loadBestValues(const QString& dir, QString* error) {
    SourceFile file(QStringLiteral("best_values.csv"), {{"origin", true},
                                                        {"category", true},
                                                        {"type", true},
                                                        {"region", false},
                                                        {"appellation_variety", true},
                                                        {"producer", false},
                                                        {"wine", true}});
    if (!file.open(dir, error)) {
        return false;
    }
    std::map<std::pair<ChartPath, std::uint32_t>, int> seen;
    std::string text;
    while (file.next(error)) {
        report(file);
        BestValue entry;
        entry.line = file.line();
        if (!readPath(file, &entry.path, error) || !file.text(6, &text, error) ||
            !findWine(file, 6, text, &entry.wine, error) || !file.text(5, &text, error)) {
            return false;
        }
        if (text.empty()) {
            entry.producer = s_->wines[entry.wine].values[kWineProducer];
        } else if (!intern(file, 5, kDictProducer, text, &entry.producer, error)) {
            return false;
        }
        const auto [it, added] = seen.emplace(std::make_pair(entry.path, entry.wine), entry.line);
        if (!added) {
            *error = file.cellError(6, QStringLiteral("the same list already has this wine on "
                                                      "line %1")
                                           .arg(it->second));
            return false;
        }
        s_->bestValues.push_back(entry);
    }
    return error->isEmpty() && needRows(file, error);
}

QString dictShortName(int d) {
    if (d < kDictFirstYearScore) {
        return QLatin1String(kDictNames[d]);
    }
    if (d < kDictFirstYearCode) {
        return QString::number(kFirstChartYear + d - kDictFirstYearScore);
    }
    return QLatin1StringView(fmt::dict::kChartCodePrefix) +
           QString::number(kFirstChartYear + d - kDictFirstYearCode);
}

const char* placeholderText(int d) {
    return d >= 0 && d < kDictFirstYearScore ? fmt::placeholderFor(kDictNames[d])
                                             : fmt::kNotAvailable;
}

int TextPool::intern(std::string_view text) {
    const std::size_t hash = std::hash<std::string_view>()(text);
    if (slots_.empty()) {
        slots_.assign(1024, 0);
    }
    std::size_t mask = slots_.size() - 1;
    std::size_t i = hash & mask;
    while (const std::uint32_t slot = slots_[i]) {
        if (hashes_[slot - 1] == hash && texts_[slot - 1] == text) {
            return static_cast<int>(slot - 1);
        }
        i = (i + 1) & mask;
    }
    if (texts_.size() >= static_cast<size_t>(fmt::kMaxValueIds)) {
        return -1;
    }
    texts_.emplace_back(text);
    hashes_.push_back(hash);
    const auto id = static_cast<std::uint32_t>(texts_.size());
    slots_[i] = id;
    if (texts_.size() * 2 > slots_.size()) {
        // Keep the table at most half full.
        slots_.assign(slots_.size() * 2, 0);
        mask = slots_.size() - 1;
        for (std::uint32_t k = 0; k < id; ++k) {
            std::size_t j = hashes_[k] & mask;
            while (slots_[j]) {
                j = (j + 1) & mask;
            }
            slots_[j] = k + 1;
        }
    }
    return static_cast<int>(id - 1);
}

bool toCatalogueText(std::string_view utf8, std::string* text, QString* why) {
    while (!utf8.empty() && utf8.front() == ' ') {
        utf8.remove_prefix(1);
    }
    while (!utf8.empty() && utf8.back() == ' ') {
        utf8.remove_suffix(1);
    }
    bool ascii = true;
    for (const char ch : utf8) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x20 || b == 0x7F) {
            *why = QStringLiteral("the text holds a control character (a tab or line break?)");
            return false;
        }
        ascii = ascii && b < 0x80;
    }
    if (ascii) {
        text->assign(utf8);
    } else {
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString wide =
            decoder(QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size())));
        if (decoder.hasError()) {
            *why = QStringLiteral("the text is not valid UTF-8");
            return false;
        }
        for (qsizetype i = 0; i < wide.size(); ++i) {
            const char32_t cp = wide[i].isHighSurrogate() && i + 1 < wide.size()
                                    ? QChar::surrogateToUcs4(wide[i], wide[i + 1])
                                    : wide[i].unicode();
            const QString one = QString::fromUcs4(&cp, 1);
            if (!isWindows1252(one) || (cp >= 0x80 && cp < 0xA0)) {
                *why = QStringLiteral("the character %1 (U+%2) cannot be written in Windows-1252")
                           .arg(one, QString::number(static_cast<uint>(cp), 16)
                                         .toUpper()
                                         .rightJustified(4, QLatin1Char('0')));
                return false;
            }
            if (cp > 0xFFFF) {
                ++i;
            }
        }
        const QByteArray bytes = toWindows1252(wide);
        text->assign(bytes.constData(), static_cast<size_t>(bytes.size()));
    }
    if (text->size() > static_cast<size_t>(fmt::kMaxTextLength)) {
        *why = QStringLiteral(
                   "the text is %1 bytes long in Windows-1252; a catalogue text holds "
                   "at most 254")
                   .arg(text->size());
        return false;
    }
    return true;
}

// The four files that may be derived, in the order they are read.
static const char* const kDerivable[] = {"food.csv", "vintage_chart.csv", "best_producers.csv",
                                         "best_values.csv"};

bool loadSources(const QString& dir, Sources* sources, QString* error,
                 const ProgressFunction& progress, const LoadOptions& options, LoadReport* report) {
    error->clear();
    if (!QFileInfo(dir).isDir()) {
        *error = QStringLiteral("%1: not a folder of catalogue sources").arg(dir);
        return false;
    }
    Loader loader(sources, progress, options, report);
    if (!loader.loadColumnMap(error) ||
        !loader.loadWines(QDir(dir).filePath(QStringLiteral("wines.csv")), error)) {
        return false;
    }
    for (const char* name : kDerivable) {
        if (!loader.loadOrDerive(dir, QLatin1String(name), error)) {
            return false;
        }
    }
    return true;
}

bool loadAndDerive(const QString& winesPath, Sources* sources, QString* error,
                   const LoadOptions& options, LoadReport* report,
                   const ProgressFunction& progress) {
    error->clear();
    Loader loader(sources, progress, options, report);
    if (!loader.loadColumnMap(error) || !loader.loadWines(winesPath, error)) {
        return false;
    }
    for (const char* name : kDerivable) {
        if (!loader.derive(QLatin1String(name), error)) {
            return false;
        }
    }
    return true;
}

}  // namespace corkwise::tool
