#pragma once
// The last page of Find Wine (page 10003): for the producer chosen on the producer page, a
// vintage and a product in two drop-down lists, the product's wines in a grid of vintage, score
// and designation, and an Info box describing the selected wine. Its input is the producer's
// node.
//
// A wine is bookmarked by tapping and holding its row (a popup menu with "Add bookmark") or by
// the Personal menu's Add Bookmark, which the page makes usable exactly while it is current.
// Either way composeBookmark records the vintage, the product (positions 6 and 7) and the wine's
// own values in the guide, and the bookmark is named after the product.

#include "controls/GridListener.h"
#include "screens/SearchPage.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;

namespace corkwise {

class GridList;
class RecordCursor;

class FindWineWinePage : public SearchPage, public GridListener {
    Q_OBJECT

public:
    // Command of the popup menu's "Add bookmark", the same as the Personal menu's.
    static constexpr int kAddBookmarkCommand = 32807;
    // The Info box text holds at most this many 8-bit characters.
    static constexpr int kMaxInfoLength = 254;

    // GUIDE must outlive the page.
    FindWineWinePage(WineGuide& guide, QWidget* parent = nullptr);
    ~FindWineWinePage() override;

    void clearPage() override;
    std::unique_ptr<NodeCursor> commitSelection() override;
    void activate(bool entering) override;
    bool loadLists() override;
    int createControls() override;
    void onGridEvent(const GridEvent& event) override;
    // Records the selected vintage, product and wine in the guide and returns the product's text
    // (empty when no product is listed).
    QString composeBookmark() override;

    // GridListener: forwards to onGridEvent.
    void onRowEvent(std::unique_ptr<GridEvent> event) override;
    // GridListener: a double-clicked wine, or Enter on one, shows its card.
    void onRowOpened(const RecordCursor* cursor) override;

    // The Info box text for a wine: its producer, then its appellation, variety and designation
    // unless they are the catalogue's placeholders, each followed by one space; a column the
    // record lacks adds nothing. At most kMaxInfoLength characters.
    static QString infoText(const RecordCursor& wine);

    QLabel* vintageLabel() const { return vintageLabel_; }
    QComboBox* vintageCombo() const { return vintage_; }
    QComboBox* productCombo() const { return product_; }
    GridList* grid() const { return grid_; }
    QLabel* infoBox() const { return info_; }
    QMenu* popupMenu() const { return menu_; }

private:
    void setVintageLabel();
    // Fills the product list from the selected vintage (emptied when there is none).
    bool fillProducts(const char* key);
    // Rebuilds the grid from the selected product's wines and selects one (selectOpeningWine).
    void refillGrid();
    // Selects the row of the guide's current record when one is shown without scrolling, else
    // row 0; returns the row selected.
    int selectOpeningWine();
    void addBookmarkFromMenu();

    QLabel* vintageLabel_ = nullptr;
    QLabel* productLabel_ = nullptr;
    QLabel* info_ = nullptr;
    QComboBox* vintage_ = nullptr;
    QComboBox* product_ = nullptr;
    GridList* grid_ = nullptr;
    QMenu* menu_ = nullptr;
};

}  // namespace corkwise
