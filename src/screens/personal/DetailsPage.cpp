#include "screens/personal/DetailsPage.h"

#include "common/TextCodec.h"
#include "controls/ControlLook.h"
#include "controls/EditCell.h"
#include "controls/GridColumn.h"
#include "controls/GridList.h"
#include "controls/GridRow.h"
#include "personal/PersonalEntry.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QValidator>

#include <vector>

namespace corkwise {

namespace {

GridList* makeGrid(QWidget* parent, bool editable) {
    std::vector<GridColumn> columns;
    columns.emplace_back(QStringLiteral("Type"), DetailsPage::kTypeWidth);
    columns.emplace_back(QStringLiteral("Value"), DetailsPage::kValueWidth);
    auto* grid = new GridList(std::move(columns), parent);
    grid->setHeader(false);
    grid->setSelectable(false);
    if (editable) {
        grid->setEditable(true, 1);
        // The personal file keeps at most this much of a value; refusing more while the user
        // types or pastes beats cutting it off silently when the note is saved.
        grid->setMaxEditLength(PersonalEntry::kMaxValueTextLength);
    }
    return grid;
}

// Refuses a character the personal file cannot hold, as it is typed or pasted.
class Windows1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override {
        return isWindows1252(input) ? Acceptable : Invalid;
    }
};

}  // namespace

DetailsPage::DetailsPage(QWidget* parent) : TabPage(QStringLiteral("Details"), parent) {
    setObjectName(QStringLiteral("detailsPage"));
}

DetailsPage::~DetailsPage() = default;

bool DetailsPage::createControls() {
    gridRect_ = rectFromEdges(10, 10, width() - 10, height() - 10);
    bookmarkGrid_ = makeGrid(this, false);
    bookmarkGrid_->setObjectName(QStringLiteral("bookmarkGrid"));
    bookmarkGrid_->setAccessibleName(QStringLiteral("Details"));
    if (!bookmarkGrid_->create(gridRect_, this, false)) {
        return false;
    }
    noteGrid_ = makeGrid(this, true);
    noteGrid_->setObjectName(QStringLiteral("noteGrid"));
    noteGrid_->setAccessibleName(QStringLiteral("Details"));
    if (!noteGrid_->create(gridRect_, this, false)) {
        return false;
    }
    watchEditCells();
    return true;
}

void DetailsPage::watchEditCells() {
    if (noteGrid_ == nullptr) {
        return;
    }
    for (EditCell* cell : noteGrid_->findChildren<EditCell*>()) {
        QLineEdit* line = cell->lineEdit();
        if (line == nullptr || line->validator() != nullptr) {
            continue;
        }
        line->setValidator(new Windows1252Validator(line));
        connect(line, &QLineEdit::textEdited, this, &DetailsPage::edited);
        connect(line, &QLineEdit::inputRejected, this, [this, line] {
            showRefusal(line->text().size() >= PersonalEntry::kMaxValueTextLength
                            ? QStringLiteral("Not kept: at most %1 characters")
                                  .arg(PersonalEntry::kMaxValueTextLength)
                            : QStringLiteral("Not kept: not a Windows-1252 character"));
        });
    }
}

GridList* DetailsPage::currentGrid() const {
    return kind_ == EntryKind::Bookmark ? bookmarkGrid_ : noteGrid_;
}

std::optional<StringMap> DetailsPage::contents() {
    if (kind_ != EntryKind::Note || noteGrid_ == nullptr) {
        return std::nullopt;
    }
    StringMap fields;
    GridRows& rows = noteGrid_->rows();
    for (int i = 0; i < rows.count(); ++i) {
        const GridRow* row = rows.row(i);
        fields.set(row->text(0), row->text(1));
    }
    return fields;
}

void DetailsPage::showFields(const StringMap& fields) {
    GridList* shown = currentGrid();
    GridList* other = kind_ == EntryKind::Bookmark ? noteGrid_ : bookmarkGrid_;
    if (shown == nullptr || other == nullptr) {
        return;
    }
    shown->clear();
    other->hide();
    shown->show();
    for (int i = 0; i < fields.count(); ++i) {
        shown->addRow(GridRow{fields.key(i), fields.value(i)});
    }
    hideRefusal();
}

void DetailsPage::reset() {
    if (bookmarkGrid_ != nullptr) {
        bookmarkGrid_->clear();
    }
    if (noteGrid_ != nullptr) {
        noteGrid_->clear();
    }
    kind_ = EntryKind::Bookmark;
}

void DetailsPage::resizePage(int /*left*/, int /*top*/, int /*right*/, int bottom) {
    GridList* grid = currentGrid();
    if (grid == nullptr || bottom == gridRect_.bottom() + 1) {
        return;
    }
    grid->hide();
    grid->relayout(bottom);
    grid->show();
    watchEditCells();
}

void DetailsPage::cut() {
    if (kind_ == EntryKind::Note && noteGrid_ != nullptr) {
        noteGrid_->cut();
    }
}

void DetailsPage::copy() {
    if (kind_ == EntryKind::Note && noteGrid_ != nullptr) {
        noteGrid_->copy();
    }
}

void DetailsPage::paste() {
    if (kind_ != EntryKind::Note || noteGrid_ == nullptr) {
        return;
    }
    // A paste that does not fit is cut by the cell without a word; say what was not kept.
    const QLineEdit* line = nullptr;
    for (const EditCell* cell : noteGrid_->findChildren<EditCell*>()) {
        if (cell->lineEdit() != nullptr && cell->lineEdit()->hasFocus()) {
            line = cell->lineEdit();
        }
    }
    const QString pasted = QGuiApplication::clipboard()->text();
    noteGrid_->paste();
    if (line != nullptr && isWindows1252(pasted) &&
        line->text().size() - line->selectedText().size() + pasted.size() >
            PersonalEntry::kMaxValueTextLength) {
        showRefusal(QStringLiteral("Not kept: at most %1 characters")
                        .arg(PersonalEntry::kMaxValueTextLength));
    }
}

}  // namespace corkwise
