#include "catalogtool/SourceDerivation.h"

#include "catalog/Placeholders.h"
#include "catalog/ScoreBands.h"
#include "common/TextCodec.h"
#include "common/TextFolding.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <utility>

namespace corkwise::tool {

namespace fmt = catalog_format;

// Generated from data/food_rules.csv by CMake.
extern const char* const kShippedFoodRules;

namespace {

struct Tally {
    double sum = 0;
    int count = 0;
    int mean() const { return static_cast<int>(std::lround(sum / count)); }
};

const std::string& textOf(const Sources& s, int dict, std::uint16_t id) {
    return s.dicts[static_cast<size_t>(dict)].texts()[id];
}

// A score or price written as a number ("92", "92.5"); nothing for any other text.
std::optional<double> numberOf(const std::string& text) {
    bool ok = false;
    const double value = QByteArray::fromStdString(text).toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

std::optional<double> scoreOf(const Sources& s, const Wine& wine) {
    return numberOf(textOf(s, kDictScore, wine.values[kWineScore]));
}

std::optional<int> yearOf(const Sources& s, const Wine& wine) {
    const std::string& text = textOf(s, kDictVintage, wine.values[kWineVintage]);
    if (text.size() != 4 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return std::stoi(text);
}

// A wine without an appellation or variety belongs on no chart or list.
bool hasListPath(const Sources& s, const Wine& wine) {
    return textOf(s, kDictAppellationVariety, wine.values[kWineAppellationVariety]) !=
           fmt::kNotAvailable;
}

ChartPath pathOf(const Wine& wine) {
    return {wine.values[kWineOrigin], wine.values[kWineSsf], wine.values[kWineType],
            wine.values[kWineRegion], wine.values[kWineAppellationVariety]};
}

bool put(Sources* s, int dict, const std::string& text, std::uint16_t* id, QString* error) {
    const int v = s->dicts[static_cast<size_t>(dict)].intern(text);
    if (v < 0) {
        *error = QStringLiteral("the dictionary %1 would hold more than 65,536 texts")
                     .arg(dictShortName(dict));
        return false;
    }
    *id = static_cast<std::uint16_t>(v);
    return true;
}

std::string folded(const std::string& text) {
    return foldWindows1252(text);
}

bool foldedLess(const std::string& a, const std::string& b) {
    return alphabeticallyBefore(folded(a), a, folded(b), b);
}

// "very good" -> "Very Good": the band's word as a list of producers shows it.
std::string titleCase(const char* word) {
    std::string out = word;
    for (size_t i = 0; i < out.size(); ++i) {
        if ((i == 0 || out[i - 1] == ' ') && out[i] >= 'a' && out[i] <= 'z') {
            out[i] = static_cast<char>(out[i] - 'a' + 'A');
        }
    }
    return out;
}

// How long a vintage keeps, by its mean score: it is to be held (H) while at most holdUntil
// years old, drunk or held (D) while at most drinkUntil, and may be too old (W) after that.
struct KeepingRule {
    int lowestScore;
    int holdUntil;
    int drinkUntil;
};
constexpr KeepingRule kKeeping[] = {
    {90, 8, 20},
    {85, 4, 12},
    {0, -1, 6},
};

// CSV writing: a cell is quoted when it holds a comma, a quote or a line break.
void addCell(QByteArray* out, const QByteArray& utf8) {
    if (utf8.contains(',') || utf8.contains('"') || utf8.contains('\n')) {
        QByteArray quoted = utf8;
        quoted.replace("\"", "\"\"");
        out->append('"').append(quoted).append('"');
    } else {
        out->append(utf8);
    }
}

// The text of value ID in dictionary DICT as a CSV cell: empty when it is the placeholder.
QByteArray cellOf(const Sources& s, int dict, std::uint16_t id) {
    const std::string& text = textOf(s, dict, id);
    if (text == placeholderText(dict)) {
        return {};
    }
    return fromWindows1252(text.data(), static_cast<qsizetype>(text.size())).toUtf8();
}

void addPath(QByteArray* out, const Sources& s, const ChartPath& path) {
    static const int kDicts[5] = {kDictOrigin, kDictSsf, kDictType, kDictRegion,
                                  kDictAppellationVariety};
    for (size_t i = 0; i < path.size(); ++i) {
        addCell(out, cellOf(s, kDicts[i], path[i]));
        out->append(',');
    }
}

QByteArray idCell(const Sources& s, std::uint32_t wine) {
    const std::string& id = s.wineIds[wine];
    return fromWindows1252(id.data(), static_cast<qsizetype>(id.size())).toUtf8();
}

}  // namespace

const char* vintageCode(int age, int score) {
    for (const KeepingRule& rule : kKeeping) {
        if (score >= rule.lowestScore) {
            return age <= rule.holdUntil ? "H" : age <= rule.drinkUntil ? "D" : "W";
        }
    }
    return "W";
}

int asOfYear(const Sources& sources, const DerivationRules& rules) {
    if (rules.asOfYear > 0) {
        return rules.asOfYear;
    }
    int newest = kLastChartYear;
    bool any = false;
    for (const Wine& wine : sources.wines) {
        if (const std::optional<int> year = yearOf(sources, wine)) {
            newest = any ? std::max(newest, *year) : *year;
            any = true;
        }
    }
    return newest;
}

bool deriveVintageCharts(Sources* s, const DerivationRules& rules, QString* error) {
    const int asOf = asOfYear(*s, rules);
    std::map<ChartPath, std::array<Tally, kChartYears>> tallies;
    for (const Wine& wine : s->wines) {
        const std::optional<int> year = yearOf(*s, wine);
        const std::optional<double> score = scoreOf(*s, wine);
        if (!year || !score || *year < kFirstChartYear || *year > kLastChartYear ||
            !hasListPath(*s, wine)) {
            continue;
        }
        Tally& t = tallies[pathOf(wine)][static_cast<size_t>(*year - kFirstChartYear)];
        t.sum += *score;
        ++t.count;
    }
    const int minWines = std::max(1, rules.chartMinWines);
    for (const auto& [path, years] : tallies) {
        if (std::none_of(years.begin(), years.end(),
                         [&](const Tally& t) { return t.count >= minWines; })) {
            continue;
        }
        VintageChart chart;
        chart.path = path;
        for (int i = 0; i < kChartYears; ++i) {
            const auto y = static_cast<size_t>(i);
            std::string score = fmt::kNotAvailable;
            std::string code = fmt::kNotAvailable;
            if (years[y].count >= minWines) {
                const int mean = years[y].mean();
                score = std::to_string(mean);
                code = vintageCode(asOf - (kFirstChartYear + i), mean);
            }
            if (!put(s, kDictFirstYearScore + i, score, &chart.scores[y], error) ||
                !put(s, kDictFirstYearCode + i, code, &chart.codes[y], error)) {
                return false;
            }
        }
        s->charts.push_back(chart);
    }
    return true;
}

bool deriveBestProducers(Sources* s, const DerivationRules& rules, QString* error) {
    std::map<ChartPath, std::map<std::uint16_t, Tally>> tallies;
    for (const Wine& wine : s->wines) {
        const std::optional<double> score = scoreOf(*s, wine);
        if (!score || !hasListPath(*s, wine)) {
            continue;
        }
        Tally& t = tallies[pathOf(wine)][wine.values[kWineProducer]];
        t.sum += *score;
        ++t.count;
    }
    for (const auto& [path, producers] : tallies) {
        std::vector<std::pair<double, std::uint16_t>> ranked;
        for (const auto& [producer, t] : producers) {
            if (t.count >= std::max(1, rules.producerMinWines)) {
                ranked.emplace_back(t.sum / t.count, producer);
            }
        }
        std::sort(ranked.begin(), ranked.end(), [&](const auto& a, const auto& b) {
            if (a.first != b.first) {
                return a.first > b.first;
            }
            return foldedLess(textOf(*s, kDictProducer, a.second),
                              textOf(*s, kDictProducer, b.second));
        });
        ranked.resize(
            std::min(ranked.size(), static_cast<size_t>(std::max(0, rules.producersPerList))));
        for (const auto& [mean, producer] : ranked) {
            const int rounded = static_cast<int>(std::lround(mean));
            const std::string tail = " (" + titleCase(fmt::scoreBandOf(rounded).word) + ", " +
                                     std::to_string(rounded) + ")";
            std::string text = textOf(*s, kDictProducer, producer);
            text.resize(std::min(text.size(), static_cast<size_t>(254) - tail.size()));
            BestProducer entry;
            entry.path = path;
            if (!put(s, kDictBestProducers, text + tail, &entry.text, error)) {
                return false;
            }
            s->bestProducers.push_back(entry);
        }
    }
    return true;
}

bool deriveBestValues(Sources* s, const DerivationRules& rules, qint64* priced, QString* error) {
    Q_UNUSED(error);
    *priced = 0;
    struct Candidate {
        double perPrice;
        double score;
        std::uint32_t wine;
    };
    std::map<ChartPath, std::vector<Candidate>> lists;
    for (std::uint32_t i = 0; i < s->wines.size(); ++i) {
        const double price = i < s->prices.size() ? s->prices[i] : -1;
        if (price <= 0) {
            continue;
        }
        ++*priced;
        const Wine& wine = s->wines[i];
        const std::optional<double> score = scoreOf(*s, wine);
        if (score && *score >= rules.valueMinScore && hasListPath(*s, wine)) {
            lists[pathOf(wine)].push_back({*score / price, *score, i});
        }
    }
    for (auto& [path, candidates] : lists) {
        std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
            if (a.perPrice != b.perPrice) {
                return a.perPrice > b.perPrice;
            }
            return a.score != b.score ? a.score > b.score : a.wine < b.wine;
        });
        const size_t keep =
            std::min(candidates.size(), static_cast<size_t>(std::max(0, rules.valuesPerList)));
        for (size_t k = 0; k < keep; ++k) {
            BestValue entry;
            entry.path = path;
            entry.wine = candidates[k].wine;
            entry.producer = s->wines[entry.wine].values[kWineProducer];
            s->bestValues.push_back(entry);
        }
    }
    return true;
}

bool deriveFood(Sources* s, const std::vector<FoodRule>& foodRules, const DerivationRules& rules,
                QString* error) {
    struct FoldedRule {
        std::string type, category, variety;
    };
    std::vector<FoldedRule> folds;
    for (const FoodRule& rule : foodRules) {
        folds.push_back({folded(rule.type), folded(rule.category), folded(rule.variety)});
    }
    // The foods in the order the rules first name them, each with the wines that match.
    std::map<std::pair<std::string, std::string>, size_t> foodIndex;
    std::vector<std::pair<const FoodRule*, std::vector<std::pair<double, std::uint32_t>>>> foods;
    std::vector<size_t> foodOfRule;
    for (const FoodRule& rule : foodRules) {
        const auto [it, added] =
            foodIndex.emplace(std::make_pair(rule.foodType, rule.food), foods.size());
        if (added) {
            foods.push_back({&rule, {}});
        }
        foodOfRule.push_back(it->second);
    }
    // Wines of one type, category and variety match the same rules: work it out once.
    std::map<std::array<std::uint16_t, 3>, std::vector<size_t>> matchCache;
    for (std::uint32_t i = 0; i < s->wines.size(); ++i) {
        const Wine& wine = s->wines[i];
        const std::array<std::uint16_t, 3> key = {wine.values[kWineType], wine.values[kWineSsf],
                                                  wine.values[kWineVariety]};
        auto cached = matchCache.find(key);
        if (cached == matchCache.end()) {
            const std::string type = folded(textOf(*s, kDictType, key[0]));
            const std::string category = folded(textOf(*s, kDictSsf, key[1]));
            const std::string& varietyText = textOf(*s, kDictVariety, key[2]);
            const std::string variety =
                varietyText == fmt::kNoVariety ? std::string() : folded(varietyText);
            std::set<size_t> matched;
            for (size_t r = 0; r < foodRules.size(); ++r) {
                if (folds[r].type == type &&
                    (folds[r].category.empty() || folds[r].category == category) &&
                    (folds[r].variety.empty() ||
                     variety.find(folds[r].variety) != std::string::npos)) {
                    matched.insert(foodOfRule[r]);
                }
            }
            cached =
                matchCache.emplace(key, std::vector<size_t>(matched.begin(), matched.end())).first;
        }
        const double score = scoreOf(*s, wine).value_or(-1e9);
        for (const size_t food : cached->second) {
            foods[food].second.emplace_back(score, i);
        }
    }
    for (auto& [rule, wines] : foods) {
        std::sort(wines.begin(), wines.end(), [](const auto& a, const auto& b) {
            return a.first != b.first ? a.first > b.first : a.second < b.second;
        });
        wines.resize(std::min(wines.size(), static_cast<size_t>(std::max(0, rules.winesPerFood))));
        if (wines.empty()) {
            continue;
        }
        FoodPairing pairing;
        if (!put(s, kDictFoodType, rule->foodType, &pairing.foodType, error) ||
            !put(s, kDictFood, rule->food, &pairing.food, error)) {
            return false;
        }
        for (const auto& [score, wine] : wines) {
            pairing.wine = wine;
            s->pairings.push_back(pairing);
        }
    }
    return true;
}

QByteArray defaultFoodRules() {
    return QByteArray(kShippedFoodRules);
}

QByteArray derivedCsv(const Sources& s, const QString& name) {
    QByteArray out;
    if (name == QLatin1String("vintage_chart.csv")) {
        out = "origin,category,type,region,appellation_variety,year,score,code\n";
        for (const VintageChart& chart : s.charts) {
            for (int i = 0; i < kChartYears; ++i) {
                const auto y = static_cast<size_t>(i);
                const int scoreDict = kDictFirstYearScore + i;
                if (textOf(s, scoreDict, chart.scores[y]) == fmt::kNotAvailable) {
                    continue;
                }
                addPath(&out, s, chart.path);
                out += QByteArray::number(kFirstChartYear + i) + ',';
                addCell(&out, cellOf(s, scoreDict, chart.scores[y]));
                out += ',';
                addCell(&out, cellOf(s, kDictFirstYearCode + i, chart.codes[y]));
                out += '\n';
            }
        }
    } else if (name == QLatin1String("best_producers.csv")) {
        out = "origin,category,type,region,appellation_variety,text\n";
        for (const BestProducer& entry : s.bestProducers) {
            addPath(&out, s, entry.path);
            addCell(&out, cellOf(s, kDictBestProducers, entry.text));
            out += '\n';
        }
    } else if (name == QLatin1String("best_values.csv")) {
        out = "origin,category,type,region,appellation_variety,producer,wine\n";
        for (const BestValue& entry : s.bestValues) {
            addPath(&out, s, entry.path);
            out += ',';
            addCell(&out, idCell(s, entry.wine));
            out += '\n';
        }
    } else if (name == QLatin1String("food.csv")) {
        out = "food_type,food,wines\n";
        for (size_t i = 0; i < s.pairings.size();) {
            const FoodPairing& first = s.pairings[i];
            addCell(&out, cellOf(s, kDictFoodType, first.foodType));
            out += ',';
            addCell(&out, cellOf(s, kDictFood, first.food));
            out += ',';
            QByteArray ids;
            for (; i < s.pairings.size() && s.pairings[i].foodType == first.foodType &&
                   s.pairings[i].food == first.food;
                 ++i) {
                if (!ids.isEmpty()) {
                    ids += ';';
                }
                ids += idCell(s, s.pairings[i].wine);
            }
            addCell(&out, ids);
            out += '\n';
        }
    }
    return out;
}

}  // namespace corkwise::tool
