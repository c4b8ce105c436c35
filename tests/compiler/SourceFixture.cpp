#include "compiler/SourceFixture.h"

#include <QDir>
#include <QFile>

namespace corkwise::test {

const char* const SourceFixture::kWines =
    "id,origin,category,type,region,producer,vintage,product,designation,variety,appellation,"
    "score,description\n"
    "W1,U.S.,Still,Red,California,Zephyr Ridge,1997,Cabernet Sauvignon Napa Valley,Reserve,"
    "Cabernet Sauvignon,Napa Valley,93,\"Dense, dark cassis.\"\n"
    "W2,U.S.,Still,Red,California,Zephyr Ridge,1995,Cabernet Sauvignon Napa Valley,,"
    "Cabernet Sauvignon,Napa Valley,90,\n"
    "W3,U.S.,Still,Red,California,\xC3\x81lvarez Cellars,NV,Red Blend,,,,88,Easy drinking.\n"
    "W4,U.S.,Still,White,,Bramble Hill,1999,Chardonnay,,Chardonnay,,85,Ripe pear.\n"
    "W5,France,Sparkling,White,Champagne,Maison Ardelot,NV,Brut R\xC3\xA9serve,,,Champagne,90,"
    "Toasty.\n"
    "W6,U.S.,Still,Red,California,Zephyr Ridge,1997,Cabernet Sauvignon Napa Valley,,"
    "Cabernet Sauvignon,Napa Valley,91,Second wine.\n"
    "W7,U.S.,Still,Red,California,apex vineyards,2001,Merlot,,Merlot,,87,Plush.\n";
const char* const SourceFixture::kFood =
    "Food Type,FOOD,wines\n"
    "Meat,Grilled Lamb,W1; W3\n"
    "Fish,Oysters,W5\n"
    "Meat,Grilled Lamb,W1\n";
const char* const SourceFixture::kCharts =
    "origin,category,type,region,appellation_variety,year,score,code\n"
    "U.S.,Still,Red,California,Cabernet Sauvignon,1997,96,h\n"
    "U.S.,Still,Red,California,Cabernet Sauvignon,1995,88,D\n"
    "France,Sparkling,White,Champagne,Champagne,1996,95,H\n";
const char* const SourceFixture::kBestProducers =
    "origin,category,type,region,appellation_variety,text\n"
    "U.S.,Still,Red,California,Cabernet Sauvignon,Zephyr Ridge\n"
    "U.S.,Still,Red,California,Cabernet Sauvignon,Bramble Hill\n";
const char* const SourceFixture::kBestValues =
    "origin,category,type,region,appellation_variety,producer,wine\n"
    "U.S.,Still,Red,California,Napa Valley,,W2\n"
    "U.S.,Still,White,,Chardonnay,Other Heading,W4\n";

SourceFixture::SourceFixture() {
    QDir().mkpath(dir());
    write(QStringLiteral("wines.csv"), kWines);
    write(QStringLiteral("food.csv"), kFood);
    write(QStringLiteral("vintage_chart.csv"), kCharts);
    write(QStringLiteral("best_producers.csv"), kBestProducers);
    write(QStringLiteral("best_values.csv"), kBestValues);
}

void SourceFixture::write(const QString& name, const QByteArray& text) const {
    QFile file(QDir(dir()).filePath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(text);
    }
}

void SourceFixture::appendLine(const QString& name, const QByteArray& line) const {
    QFile file(QDir(dir()).filePath(name));
    if (file.open(QIODevice::Append)) {
        file.write(line + '\n');
    }
}

}  // namespace corkwise::test
