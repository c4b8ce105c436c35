#pragma once
// Derives the vintage charts, best-producer lists, best values and food pairings of a catalogue
// from its wines alone, for a sources folder that lacks some of those files. Each function adds
// to SOURCES the rows its file would have held; the rules are in docs/catalogue-sources.md.

#include "catalogtool/CatalogSources.h"

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

namespace corkwise::tool {

// One row of the food table: wines of TYPE and CATEGORY (any category when empty) whose variety
// holds VARIETY (any variety when empty) go with FOOD. Texts in Windows-1252.
struct FoodRule {
    std::string type;
    std::string category;
    std::string variety;
    std::string foodType;
    std::string food;
};

// The vintage code of a year AGE years old whose wines scored SCORE on average: H, D or W.
const char* vintageCode(int age, int score);

// The year vintages are aged to: RULES.asOfYear, else the newest year among the wines.
int asOfYear(const Sources& sources, const DerivationRules& rules);

// Each adds its rows to SOURCES. False with a message when a dictionary would overflow.
bool deriveVintageCharts(Sources* sources, const DerivationRules& rules, QString* error);
bool deriveBestProducers(Sources* sources, const DerivationRules& rules, QString* error);
// Adds nothing when no wine has a price; *PRICED tells how many wines have one.
bool deriveBestValues(Sources* sources, const DerivationRules& rules, qint64* priced,
                      QString* error);
bool deriveFood(Sources* sources, const std::vector<FoodRule>& foodRules,
                const DerivationRules& rules, QString* error);

// The food table shipped with the tool (data/food_rules.csv), as CSV text.
QByteArray defaultFoodRules();

// The derived rows of SOURCES written back as the CSV file NAME ("vintage_chart.csv",
// "best_producers.csv", "best_values.csv" or "food.csv"), in UTF-8.
QByteArray derivedCsv(const Sources& sources, const QString& name);

}  // namespace corkwise::tool
