#include "catalogtool/SourceGenerator.h"

#include "common/SafeWrite.h"

#include <QDir>
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace corkwise::tool {

namespace {

// A stateless generator: every choice is a hash of the generator key and what is being chosen, so
// the output does not depend on the order of the choices or on the standard library.
class Dice {
public:
    explicit Dice(quint64 key) : key_(key) {}
    quint64 roll(quint64 what, quint64 index) const {
        quint64 z = key_ + 0x9E3779B97F4A7C15ull * (what + 1) + 0xD1B54A32D192ED03ull * index;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(quint64 what, quint64 index, int n) const {
        return static_cast<int>(roll(what, index) % static_cast<quint64>(n));
    }

private:
    quint64 key_;
};

enum Choice : quint64 {
    kProducerOfWine,
    kProductOfWine,
    kVintageOfWine,
    kDesignationOfWine,
    kScoreOfWine,
    kScoreOfWine2,
    kDescriptionOfWine,
    kFoodOfWine,
    kPairedWine,
    kBestValueWine,
    kRegionOfProducer,
    kProductCount,
    kVarietyOfProduct,
    kAppellationOfProduct,
    kCategoryOfProduct,
    kRoseProduct,
    kChartYear,
    kChartScore,
    kBestProducerCount,
    kBestProducerPick,
    kNoAppellation,
};

const char* const kOrigins[] = {"U.S.",      "France",      "Italy",       "Spain",
                                "Australia", "Germany",     "Portugal",    "Chile",
                                "Argentina", "New Zealand", "South Africa"};
const char* const kRegionBases[] = {
    "Alderra", "Bellmoor", "Calder",   "Dunmere",  "Estrel", "Farrow",    "Glenvar",  "Harlow",
    "Istrana", "Jessamy",  "Kelloran", "Lorvane",  "Marrow", "Norcastle", "Orvelle",  "Pellan",
    "Quarrin", "Rosmer",   "Sallow",   "Tavernay", "Ulmara", "Varenne",   "Westmere", "Yarrow",
    "Zephyr",  "Ambrel",   "Brisa",    "Cortana",  "Delmar", "Errante",   "Fiora",    "Gavella",
    "Hestia",  "Ilmora",   "Juneau",   "Kestrel",  "Lumen",  "Mirelle",   "Novella",  "Orla"};
const char* const kRegionQualifiers[] = {"",           " Coast",  " Hills",    " Valley",
                                         " Highlands", " Plains", " Basin",    " Ranges",
                                         " Heights",   " Downs",  " Terraces", " Lakes"};
const char* const kAppellationSuffixes[] = {" Bench", " Slopes", " Creek"};
struct Variety {
    const char* name;
    const char* type;
};
const Variety kVarieties[] = {{"Cabernet Sauvignon", "Red"}, {"Merlot", "Red"},
                              {"Pinot Noir", "Red"},         {"Syrah", "Red"},
                              {"Zinfandel", "Red"},          {"Malbec", "Red"},
                              {"Tempranillo", "Red"},        {"Sangiovese", "Red"},
                              {"Nebbiolo", "Red"},           {"Grenache", "Red"},
                              {"Cabernet Franc", "Red"},     {"Petite Sirah", "Red"},
                              {"Carménère", "Red"},          {"Barbera", "Red"},
                              {"Mourvèdre", "Red"},          {"Chardonnay", "White"},
                              {"Sauvignon Blanc", "White"},  {"Riesling", "White"},
                              {"Pinot Gris", "White"},       {"Viognier", "White"},
                              {"Chenin Blanc", "White"},     {"Gewürztraminer", "White"},
                              {"Sémillon", "White"},         {"Albariño", "White"},
                              {"Grüner Veltliner", "White"}, {"Marsanne", "White"},
                              {"Torrontés", "White"},        {"Verdejo", "White"},
                              {"Muscat", "White"},           {"Vermentino", "White"}};
constexpr int kVarietyCount = static_cast<int>(std::size(kVarieties));
const char* const kProducerFirsts[] = {
    "Hollow", "Ridge",   "Stone", "Oak",    "Silver", "Raven", "Willow", "Cedar", "Fox",   "Iron",
    "Copper", "Maple",   "Brook", "Falcon", "Lark",   "Heron", "Ash",    "Thorn", "Elder", "Amber",
    "Clover", "Juniper", "Moss",  "Briar",  "Pine",   "Quail", "Sage",   "Tern",  "Vale",  "Wren"};
const char* const kProducerSeconds[] = {"creek", "hill",  "field",  "gate", "crest", "bend",
                                        "wood",  "ridge", "meadow", "run",  "point", "springs",
                                        "brook", "bluff", "knoll",  "mesa"};
const char* const kProducerSuffixes[] = {"Cellars", "Vineyards",    "Winery",
                                         "Estate",  "Wine Company", "Family Wines"};
const char* const kDesignations[] = {"Reserve",         "Old Vines",          "Estate Bottled",
                                     "Single Vineyard", "Barrel Select",      "Grand Reserve",
                                     "Late Harvest",    "Proprietor's Blend", "Limited Release",
                                     "Cuvée Spéciale",  "Vintner's Select",   "Hillside"};
const char* const kOpenings[] = {
    "Ripe plum",       "Black cherry",   "Cassis",        "Red currant",    "Wild strawberry",
    "Crisp apple",     "Pear",           "Lemon zest",    "Grapefruit",     "Peach",
    "Apricot",         "Honeyed melon",  "Blackberry",    "Raspberry",      "Fig",
    "Violet",          "Rose petal",     "Tobacco leaf",  "Cedar",          "Mocha",
    "Toasted brioche", "Lime blossom",   "Quince",        "Dark chocolate", "Smoked meat",
    "Olive",           "Licorice",       "Spiced orange", "Mineral",        "Sweet hay",
    "Pineapple",       "Blueberry",      "Pomegranate",   "Damson",         "Green herbs",
    "Bramble fruit",   "Candied citrus", "Almond",        "Hazelnut",       "Warm earth"};
const char* const kMiddles[] = {"and vanilla",         "and clove",           "and black pepper",
                                "with a hint of mint", "and toasted oak",     "and flint",
                                "with creamy lees",    "and wet stone",       "and sage",
                                "and leather",         "with floral lift",    "and cocoa",
                                "and graphite",        "with bright acidity", "and sweet spice",
                                "and dried herbs",     "and caramel",         "with saline notes",
                                "and white pepper",    "and orange peel",     "and truffle",
                                "and cinnamon",        "with gentle smoke",   "and espresso",
                                "and anise",           "with chalky grip",    "and nutmeg",
                                "and beeswax",         "and jasmine",         "and tar",
                                "with juicy depth",    "and forest floor",    "and ginger",
                                "and toffee",          "and lavender",        "and tea leaf",
                                "with fine mousse",    "and kirsch",          "and marzipan",
                                "and iodine"};
const char* const kEndings[] = {"Drink now.",
                                "Best from 2005.",
                                "Cellar for five years.",
                                "Supple and long.",
                                "Firm tannins; give it time.",
                                "A crowd pleaser.",
                                "Polished and precise.",
                                "Lean but lively.",
                                "Rich, round finish.",
                                "Elegant and focused.",
                                "Bold and ripe.",
                                "Bright, fresh finish.",
                                "Silky texture.",
                                "Dense and powerful.",
                                "Light and charming.",
                                "Good value.",
                                "Structured for aging.",
                                "Juicy and open.",
                                "Savory and complex.",
                                "Generous fruit.",
                                "Tight now; decant.",
                                "Balanced and harmonious.",
                                "Persistent finish.",
                                "A touch rustic.",
                                "Zesty and clean.",
                                "Lush and opulent.",
                                "Mouth-filling.",
                                "Refined tannins.",
                                "Fine now and for a decade.",
                                "Vibrant and pure."};
constexpr int kDescriptionPool =
    static_cast<int>(std::size(kOpenings) * std::size(kMiddles) * std::size(kEndings));
const char* const kFoodTypes[] = {"Beef", "Poultry",   "Pork and Veal", "Lamb and Game",
                                  "Fish", "Shellfish", "Cheese",        "Desserts"};
const char* const kFoodStyles[] = {"Grilled", "Roasted", "Braised",      "Smoked", "Pan-Seared",
                                   "Spiced",  "Poached", "Herb-Crusted", "Glazed", "Barbecued"};
const char* const kFoodItems[] = {"Steak",  "Chicken",  "Pork Loin",   "Lamb Chops",
                                  "Salmon", "Scallops", "Goat Cheese", "Fruit Tart"};

// CSV text built in memory and written in one go.
class CsvText {
public:
    void cell(const std::string& text) {
        if (!first_) {
            data_ += ',';
        }
        first_ = false;
        if (text.find_first_of(",\"\n") == std::string::npos) {
            data_ += text.c_str();
            return;
        }
        data_ += '"';
        for (const char c : text) {
            if (c == '"') {
                data_ += '"';
            }
            data_ += c;
        }
        data_ += '"';
    }
    void cell(const char* text) { cell(std::string(text)); }
    void end() {
        data_ += '\n';
        first_ = true;
    }
    void append(const CsvText& rows) { data_ += rows.data_; }
    void append(const QByteArray& rows) { data_ += rows; }
    const QByteArray& data() const { return data_; }

private:
    QByteArray data_;
    bool first_ = true;
};

bool save(const QString& dir, const char* name, const CsvText& text, QString* error) {
    const QString path = QDir(dir).filePath(QLatin1String(name));
    QString why;
    if (!replaceFile(path, text.data(), &why)) {
        *error = QStringLiteral("%1: cannot write: %2").arg(path, why);
        return false;
    }
    return true;
}

std::string wineId(qint64 i) {
    char id[24];
    std::snprintf(id, sizeof id, "W%07lld", static_cast<long long>(i + 1));
    return id;
}

}  // namespace

bool generateSources(qint64 wineCount, quint64 generatorKey, const QString& dir, QString* error,
                     const ProgressFunction& progress) {
    if (wineCount < 1) {
        *error = QStringLiteral("the wine count must be at least 1");
        return false;
    }
    if (!QDir().mkpath(dir)) {
        *error = QStringLiteral("%1: cannot create the folder").arg(dir);
        return false;
    }
    const Dice dice(generatorKey);
    // Region and producer counts grow with the catalogue but stay within what the dictionaries
    // hold (product names are variety x appellation, so regions are capped).
    const int regionCount = static_cast<int>(std::clamp<qint64>(wineCount / 1000, 40, 480));
    const int producerCount = static_cast<int>(std::clamp<qint64>(wineCount / 40, 150, 60000));
    const int originCount = static_cast<int>(std::size(kOrigins));

    std::vector<std::string> regions(static_cast<size_t>(regionCount));
    for (int r = 0; r < regionCount; ++r) {
        regions[static_cast<size_t>(r)] =
            std::string(kRegionBases[r % std::size(kRegionBases)]) +
            kRegionQualifiers[(r / std::size(kRegionBases)) % std::size(kRegionQualifiers)];
    }
    const auto originOf = [&](int region) { return kOrigins[region % originCount]; };
    const auto appellation = [&](int region, int a) {
        return regions[static_cast<size_t>(region)] + kAppellationSuffixes[a];
    };

    struct Producer {
        std::string name;
        int region;
        int products;
    };
    std::vector<Producer> producers(static_cast<size_t>(producerCount));
    std::vector<std::vector<int>> producersOfRegion(static_cast<size_t>(regionCount));
    for (int p = 0; p < producerCount; ++p) {
        const int round = p / 2880;
        Producer& producer = producers[static_cast<size_t>(p)];
        producer.name = std::string(kProducerFirsts[p % 30]) + kProducerSeconds[(p / 30) % 16] +
                        " " + kProducerSuffixes[(p / 480) % 6];
        if (round > 0) {
            producer.name += ' ';
            producer.name += std::to_string(round + 1);
        }
        producer.region = dice.below(kRegionOfProducer, static_cast<quint64>(p), regionCount);
        producer.products = 4 + dice.below(kProductCount, static_cast<quint64>(p), 5);
        producersOfRegion[static_cast<size_t>(producer.region)].push_back(p);
    }

    struct Product {
        std::string name;
        const char* category;
        const char* type;
        const char* variety;
        std::string appellation;  // empty for a few
    };
    const auto productOf = [&](int p, int k) {
        const quint64 key = static_cast<quint64>(p) * 16 + static_cast<quint64>(k);
        const Producer& producer = producers[static_cast<size_t>(p)];
        const Variety& variety = kVarieties[dice.below(kVarietyOfProduct, key, kVarietyCount)];
        Product product;
        product.variety = variety.name;
        product.type = variety.type;
        product.appellation =
            dice.below(kNoAppellation, key, 20) == 0
                ? std::string()
                : appellation(producer.region, dice.below(kAppellationOfProduct, key, 3));
        const std::string place = product.appellation.empty()
                                      ? regions[static_cast<size_t>(producer.region)]
                                      : product.appellation;
        const int category = dice.below(kCategoryOfProduct, key, 100);
        if (category < 86) {
            product.category = "Still";
            if (dice.below(kRoseProduct, key, 25) == 0) {
                product.type = "Rosé";
                product.name = std::string("Rosé of ") + variety.name + " " + place;
            } else {
                product.name = std::string(variety.name) + " " + place;
            }
        } else if (category < 95) {
            product.category = "Sparkling";
            product.type = category % 2 == 0 ? "White" : "Rosé";
            product.name = std::string(category % 2 == 0 ? "Brut " : "Brut Rosé ") + place;
        } else {
            product.category = "Fortified";
            product.type = "Dessert";
            product.name = std::string("Fortified ") + variety.name + " " + place;
        }
        return product;
    };

    CsvText wines;
    wines.cell("id"), wines.cell("origin"), wines.cell("category"), wines.cell("type");
    wines.cell("region"), wines.cell("producer"), wines.cell("vintage"), wines.cell("product");
    wines.cell("designation"), wines.cell("variety"), wines.cell("appellation");
    wines.cell("score"), wines.cell("description");
    wines.end();
    CsvText values;
    values.cell("origin"), values.cell("category"), values.cell("type"), values.cell("region");
    values.cell("appellation_variety"), values.cell("producer"), values.cell("wine");
    values.end();
    const int foodCount = static_cast<int>(std::size(kFoodTypes) * std::size(kFoodStyles));
    std::vector<std::vector<qint64>> winesOfFood(static_cast<size_t>(foodCount));
    QByteArray firstWineValue;
    for (qint64 i = 0; i < wineCount; ++i) {
        const auto w = static_cast<quint64>(i);
        const int p = dice.below(kProducerOfWine, w, producerCount);
        const Producer& producer = producers[static_cast<size_t>(p)];
        const Product product = productOf(p, dice.below(kProductOfWine, w, producer.products));
        const int year = dice.below(kVintageOfWine, w, 20);
        const bool nonVintage = year == 19 || (std::string(product.category) != "Still" &&
                                               dice.below(kVintageOfWine, w + 1, 2) == 0);
        const std::string vintage = nonVintage ? "NV" : std::to_string(1985 + year % 19);
        const int designation = dice.below(kDesignationOfWine, w, 26);
        const int score =
            70 + (dice.below(kScoreOfWine, w, 31) + dice.below(kScoreOfWine2, w, 31)) / 2;
        const int d = dice.below(kDescriptionOfWine, w, kDescriptionPool);
        const std::string description = std::string(kOpenings[d % std::size(kOpenings)]) + " " +
                                        kMiddles[(d / std::size(kOpenings)) % std::size(kMiddles)] +
                                        ". " +
                                        kEndings[d / (std::size(kOpenings) * std::size(kMiddles))];
        const std::string region = regions[static_cast<size_t>(producer.region)];
        const std::string id = wineId(i);
        wines.cell(id), wines.cell(originOf(producer.region)), wines.cell(product.category);
        wines.cell(product.type), wines.cell(region), wines.cell(producer.name);
        wines.cell(vintage), wines.cell(product.name);
        wines.cell(designation < static_cast<int>(std::size(kDesignations))
                       ? kDesignations[designation]
                       : "");
        wines.cell(product.variety), wines.cell(product.appellation);
        wines.cell(std::to_string(score)), wines.cell(description);
        wines.end();
        if (dice.below(kPairedWine, w, 3) == 0) {
            winesOfFood[static_cast<size_t>(dice.below(kFoodOfWine, w, foodCount))].push_back(i);
        }
        if (i == 0 || dice.below(kBestValueWine, w, 50) == 0) {
            CsvText row;
            row.cell(originOf(producer.region)), row.cell(product.category);
            row.cell(product.type), row.cell(region);
            row.cell(product.appellation.empty() ? std::string(product.variety)
                                                 : product.appellation);
            row.cell(""), row.cell(id);
            row.end();
            if (i == 0) {
                firstWineValue = row.data();
            }
            if (dice.below(kBestValueWine, w, 50) == 0) {
                values.append(row);
            }
        }
        if (progress && (i & 0xFFFF) == 0) {
            progress(QStringLiteral("wines.csv"), static_cast<int>(i * 100 / wineCount));
        }
    }
    if (values.data().count('\n') == 1) {
        // Small catalogues still get one best value: the first wine.
        values.append(firstWineValue);
    }

    CsvText food;
    food.cell("food_type"), food.cell("food"), food.cell("wines");
    food.end();
    for (int f = 0; f < foodCount; ++f) {
        std::vector<qint64>& list = winesOfFood[static_cast<size_t>(f)];
        if (list.empty()) {
            list.push_back(f % wineCount);  // small catalogues: every food gets a wine
        }
        const size_t type = static_cast<size_t>(f) % std::size(kFoodTypes);
        const std::string name =
            std::string(kFoodStyles[static_cast<size_t>(f) / std::size(kFoodTypes)]) + " " +
            kFoodItems[type];
        for (size_t start = 0; start < list.size(); start += 50) {
            std::string ids;
            for (size_t k = start; k < std::min(list.size(), start + 50); ++k) {
                if (k > start) {
                    ids += ';';
                }
                ids += wineId(list[k]);
            }
            food.cell(kFoodTypes[type]), food.cell(name), food.cell(ids);
            food.end();
        }
    }

    // Charts, best producers: every region's appellations, in red and white still wine.
    CsvText charts;
    charts.cell("origin"), charts.cell("category"), charts.cell("type"), charts.cell("region");
    charts.cell("appellation_variety"), charts.cell("year"), charts.cell("score");
    charts.cell("code");
    charts.end();
    CsvText best;
    best.cell("origin"), best.cell("category"), best.cell("type"), best.cell("region");
    best.cell("appellation_variety"), best.cell("text");
    best.end();
    quint64 chart = 0;
    for (int r = 0; r < regionCount; ++r) {
        for (int a = 0; a < 3; ++a) {
            for (const char* type : {"Red", "White"}) {
                ++chart;
                const std::string path[5] = {originOf(r), "Still", type,
                                             regions[static_cast<size_t>(r)], appellation(r, a)};
                for (int y = 1985; y <= 2003; ++y) {
                    if (dice.below(kChartYear, chart * 32 + static_cast<quint64>(y - 1985), 8) ==
                        0) {
                        continue;
                    }
                    const int score =
                        70 +
                        dice.below(kChartScore, chart * 32 + static_cast<quint64>(y - 1985), 30);
                    const char* code = score < 75 ? "A" : y < 1992 ? "W" : y < 1999 ? "D" : "H";
                    for (const std::string& cell : path) {
                        charts.cell(cell);
                    }
                    charts.cell(std::to_string(y)), charts.cell(std::to_string(score));
                    charts.cell(code);
                    charts.end();
                }
                const std::vector<int>& local = producersOfRegion[static_cast<size_t>(r)];
                const int picks = 3 + dice.below(kBestProducerCount, chart, 4);
                std::vector<int> chosen;
                for (int k = 0; k < picks && !local.empty(); ++k) {
                    const int p = local[static_cast<size_t>(
                        dice.below(kBestProducerPick, chart * 8 + static_cast<quint64>(k),
                                   static_cast<int>(local.size())))];
                    if (std::find(chosen.begin(), chosen.end(), p) != chosen.end()) {
                        continue;
                    }
                    chosen.push_back(p);
                    for (const std::string& cell : path) {
                        best.cell(cell);
                    }
                    best.cell(producers[static_cast<size_t>(p)].name);
                    best.end();
                }
                if (chosen.empty()) {
                    for (const std::string& cell : path) {
                        best.cell(cell);
                    }
                    best.cell(producers[static_cast<size_t>(r % producerCount)].name);
                    best.end();
                }
            }
        }
    }
    if (progress) {
        progress(QStringLiteral("writing"), 100);
    }
    return save(dir, "wines.csv", wines, error) && save(dir, "food.csv", food, error) &&
           save(dir, "vintage_chart.csv", charts, error) &&
           save(dir, "best_producers.csv", best, error) &&
           save(dir, "best_values.csv", values, error);
}

}  // namespace corkwise::tool
