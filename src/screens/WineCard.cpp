#include "screens/WineCard.h"

#include "catalog/CatalogFormat.h"
#include "catalog/DisplayText.h"
#include "catalog/Placeholders.h"
#include "catalog/RecordCursor.h"
#include "screens/SearchPage.h"
#include "screens/VintageRating.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace corkwise {

namespace fmt = catalog_format;

namespace {

struct CardColumn {
    const char* label;
    const char* column;
};

// The columns in the order a reader looks for them. The segment and the joined
// appellation/variety are left out: they repeat the producer's initial and two lines shown here.
constexpr std::array<CardColumn, 11> kColumns{{
    {"Producer", fmt::dict::kProducer},
    {"Product", fmt::dict::kProduct},
    {"Vintage", fmt::dict::kVintage},
    {"Score", fmt::dict::kScore},
    {"Designation", fmt::dict::kDesignation},
    {"Appellation", fmt::dict::kAppellation},
    {"Variety", fmt::dict::kVariety},
    {"Category", fmt::dict::kCategory},
    {"Type", fmt::dict::kType},
    {"Region", fmt::dict::kRegion},
    {"Origin", fmt::dict::kOrigin},
}};
constexpr CardColumn kNote{"Tasting note", fmt::dict::kDescription};

// The catalogue's text of COLUMN, or empty when the record has no value there worth showing.
QString shownText(const RecordCursor& wine, const char* column) {
    const std::optional<QByteArray> text = wine.columnText(column);
    if (!text || text->trimmed().isEmpty() || *text == fmt::placeholderFor(column) ||
        *text == fmt::kNotAvailable) {
        return {};
    }
    return toDisplayText(*text);
}

QLabel* cardLabel(const QString& text, bool bold, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(SearchPage::pageFont(13, bold));
    label->setWordWrap(!bold);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(bold ? Qt::NoTextInteraction : Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

std::vector<WineCardRow> wineCardRows(const RecordCursor& wine) {
    std::vector<WineCardRow> rows;
    for (const CardColumn& c : kColumns) {
        QString value = shownText(wine, c.column);
        if (value.isEmpty()) {
            continue;
        }
        if (QByteArrayView(c.column) == fmt::dict::kScore) {
            const QString word = scoreWord(value);
            if (!word.isEmpty()) {
                value += QStringLiteral(" (%1)").arg(word);
            }
        }
        rows.emplace_back(QString::fromLatin1(c.label), value);
    }
    if (const QString note = shownText(wine, kNote.column); !note.isEmpty()) {
        rows.emplace_back(QString::fromLatin1(kNote.label), note);
    }
    return rows;
}

WineCard::WineCard(const RecordCursor& wine, QWidget* parent)
    : QDialog(parent), wine_(wine.clone()) {
    setObjectName(QStringLiteral("wineCard"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Wine — Corkwise"));
    QPalette look = palette();
    look.setColor(QPalette::Window, SearchPage::kBackground);
    look.setColor(QPalette::WindowText, Qt::black);
    setPalette(look);
    setAutoFillBackground(true);

    auto* body = new QWidget;
    body->setObjectName(QStringLiteral("wineCardBody"));
    body->setPalette(look);
    auto* grid = new QGridLayout(body);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    int line = 0;
    for (const WineCardRow& row : wineCardRows(*wine_)) {
        if (row.first == QLatin1String(kNote.label)) {
            // The note is the longest text: it takes the card's whole width under its title.
            grid->addWidget(cardLabel(row.first + QLatin1Char(':'), true, body), line++, 0, 1, 2);
            grid->addWidget(cardLabel(row.second, false, body), line++, 0, 1, 2);
            continue;
        }
        grid->addWidget(cardLabel(row.first + QLatin1Char(':'), true, body), line, 0);
        grid->addWidget(cardLabel(row.second, false, body), line++, 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(line, 1);

    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("wineCardScroller"));
    scroller->setWidget(body);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->viewport()->setAutoFillBackground(false);
    body->setAutoFillBackground(false);

    auto* bookmark = new QPushButton(QStringLiteral("Add &Bookmark"), this);
    bookmark->setObjectName(QStringLiteral("wineCardBookmark"));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("wineCardClose"));
    for (QPushButton* button : {bookmark, close}) {
        button->setFont(SearchPage::pageFont(13, true));
        button->setStyleSheet(SearchPage::buttonStyleSheet());
        button->setAutoDefault(false);
    }
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(bookmark, &QPushButton::clicked, this, [this] {
        Q_EMIT bookmarkRequested();
        accept();
    });

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 0, 8, 8);
    buttons->addWidget(bookmark);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroller, 1);
    layout->addLayout(buttons);

    // As wide as the main view; as tall as the record needs, up to most of the screen (the
    // rest scrolls).
    constexpr int kWidth = 240;
    const QScreen* where = parent != nullptr ? parent->screen() : screen();
    const int most = where != nullptr ? where->availableGeometry().height() * 4 / 5 : 400;
    // Measured with the fonts and margins that polishing gives.
    ensurePolished();
    body->ensurePolished();
    // (Wrapped labels measure short of what they take in a grid: two lines are added.)
    const int oneLine = QFontMetrics(SearchPage::pageFont(13, false)).lineSpacing();
    const int wanted = grid->totalHeightForWidth(kWidth) + buttons->sizeHint().height() +
                       layout->spacing() + 2 * oneLine;
    resize(kWidth, std::max(120, std::min(wanted, most)));
}

WineCard::~WineCard() = default;

}  // namespace corkwise
