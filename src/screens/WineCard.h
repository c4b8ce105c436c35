#pragma once
// The wine card: a window of its own that shows one wine's record in plain words, every column
// a user reads (producer, product, vintage, score with its word, designation, appellation,
// variety, category, type, region, origin and the whole tasting note). Columns the catalogue
// fills with a placeholder, and columns the record lacks, are left out.
//
// Add Bookmark emits bookmarkRequested, then closes; Close and Escape close. The card deletes
// itself when closed. It holds a cursor on the record, so it must be closed before the catalogue
// goes: give it a parent that goes first.

#include <QDialog>
#include <QString>

#include <memory>
#include <utility>
#include <vector>

namespace corkwise {

class RecordCursor;

// One line of the card: what the value is, and the value.
using WineCardRow = std::pair<QString, QString>;

// The lines of the card for WINE, in the order shown.
std::vector<WineCardRow> wineCardRows(const RecordCursor& wine);

class WineCard : public QDialog {
    Q_OBJECT

public:
    // PARENT (may be null) is the window the card belongs to; the card stays a window of its own.
    explicit WineCard(const RecordCursor& wine, QWidget* parent = nullptr);

    ~WineCard() override;

    // The wine shown.
    const RecordCursor& wine() const { return *wine_; }

Q_SIGNALS:
    void bookmarkRequested();

private:
    std::unique_ptr<RecordCursor> wine_;
};

}  // namespace corkwise
