#include "screens/NameSearchPanel.h"

#include "catalog/Catalog.h"
#include "guide/WineGuide.h"
#include "screens/FindWineControls.h"
#include "screens/SearchPage.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPushButton>

namespace corkwise {

namespace {

using findwine::edges;

// Longer than any name a wine carries, short enough to keep a query to a few dozen words.
constexpr int kMaxQueryLength = 120;

}  // namespace

NameSearchPanel::NameSearchPanel(WineGuide& guide, QWidget* parent)
    : QWidget(parent), guide_(guide) {
    setObjectName(QStringLiteral("nameSearchPanel"));

    heading_ = new QLabel(QStringLiteral("Find by Name:"), this);
    heading_->setObjectName(QStringLiteral("nameSearchHeading"));
    QFont headingFont = SearchPage::pageFont(15, true);
    headingFont.setUnderline(true);
    heading_->setFont(headingFont);
    heading_->setAlignment(Qt::AlignCenter);
    heading_->setGeometry(edges(10, 8, 230, 28));

    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("nameField"));
    field_->setFont(SearchPage::pageFont(13, false));
    field_->setMaxLength(kMaxQueryLength);
    field_->setClearButtonEnabled(false);
    field_->setGeometry(edges(10, 34, 230, 56));
    field_->installEventFilter(this);
    field_->setAccessibleName(QStringLiteral("Name"));
    connect(field_, &QLineEdit::textChanged, this, &NameSearchPanel::refresh);

    results_ = findwine::makeListBox(this, -1, edges(10, 62, 230, 216), "nameResults");
    // Results are longer than the list is wide: each wraps onto a second line.
    results_->setWordWrap(true);
    results_->setTextElideMode(Qt::ElideRight);
    results_->setFocusPolicy(Qt::NoFocus);
    results_->setAccessibleName(QStringLiteral("Matching wines"));
    connect(results_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        results_->setCurrentItem(item);
        openCurrent();
    });

    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("nameCount"));
    count_->setFont(SearchPage::pageFont(13, false));
    count_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    count_->setGeometry(edges(10, 218, 230, 236));

    cancel_ = findwine::makeButton(this, -1, QStringLiteral("Cancel"), edges(150, 241, 230, 263),
                                   "nameCancelButton");
    cancel_->setFocusPolicy(Qt::NoFocus);
    connect(cancel_, &QPushButton::clicked, this, &NameSearchPanel::closed);
    refresh();
}

void NameSearchPanel::start() {
    field_->clear();
    refresh();
    field_->setFocus(Qt::OtherFocusReason);
}

void NameSearchPanel::refresh() {
    results_->clear();
    listed_.clear();
    const QString query = field_->text();
    const Catalog* catalog = guide_.catalog();
    if (!NameSearch::isSearchable(query) || catalog == nullptr) {
        count_->setText(QStringLiteral("Type two or more letters."));
        return;
    }
    NameSearchResult found = NameSearch(*catalog).find(query, NameSearch::kListLimit);
    listed_ = std::move(found.wines);
    for (const NameMatch& wine : listed_) {
        results_->addItem(wine.producer + QStringLiteral(", ") + wine.product + QLatin1Char(' ') +
                          wine.vintage);
    }
    if (results_->count() > 0) {
        results_->setCurrentRow(0);
    }
    count_->setText(countText(found.total, NameSearch::kListLimit));
}

QString NameSearchPanel::countText(int total, int limit) {
    const QLocale english(QLocale::English);
    if (total <= 0) {
        return QStringLiteral("No wine matches.");
    }
    if (total == 1) {
        return QStringLiteral("1 wine matches.");
    }
    if (total <= limit) {
        return QStringLiteral("%1 wines match.").arg(english.toString(total));
    }
    return QStringLiteral("%1 wines match, %2 listed.")
        .arg(english.toString(total), english.toString(limit));
}

void NameSearchPanel::openCurrent() {
    const int row = results_->currentRow();
    if (row < 0 || static_cast<size_t>(row) >= listed_.size()) {
        return;
    }
    const NameMatch& wine = listed_[static_cast<size_t>(row)];
    Q_EMIT wineChosen(wine.table, wine.row);
}

void NameSearchPanel::moveCurrent(int step) {
    const int count = results_->count();
    if (count == 0) {
        return;
    }
    const int row = std::clamp(results_->currentRow() + step, 0, count - 1);
    results_->setCurrentRow(row);
    results_->scrollToItem(results_->item(row));
}

void NameSearchPanel::cut() {
    field_->cut();
}

void NameSearchPanel::copy() {
    field_->copy();
}

void NameSearchPanel::paste() {
    field_->paste();
}

bool NameSearchPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // A page of the list: the rows that fit, at least one.
        const int page =
            std::max(1, results_->viewport()->height() / std::max(1, results_->sizeHintForRow(0)));
        switch (key->key()) {
            case Qt::Key_Up:
                moveCurrent(-1);
                return true;
            case Qt::Key_Down:
                moveCurrent(1);
                return true;
            case Qt::Key_PageUp:
                moveCurrent(-page);
                return true;
            case Qt::Key_PageDown:
                moveCurrent(page);
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                openCurrent();
                return true;
            case Qt::Key_Escape:
                Q_EMIT closed();
                return true;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void NameSearchPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Q_EMIT closed();
        return;
    }
    QWidget::keyPressEvent(event);
}

void NameSearchPanel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), SearchPage::kBackground);
}

}  // namespace corkwise
