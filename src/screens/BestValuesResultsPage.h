#pragma once
// The last page of Best Values (page 10010): the producers recorded as good values for the
// variety or appellation chosen on the form, in a drop-down list; the chosen producer's wines,
// listed by their description; and an info box on the selected wine. Its input is the
// Variety/Appellation node the form hands over: one dictionary node per producer below it, one
// record node per wine below each producer.
//
// Each wine entry carries the page's own RecordCursor on its wine, released when the list is
// emptied. The page refills only when the guide's page-order rule says it is newly reached, so
// Back and Next without a change on the form keep the producer, the list and the info box.
// Picking a producer rebuilds the list (its first wine selected) and the info box; picking a wine
// rebuilds the info box. Closing the flow empties both lists.

#include "screens/SearchPage.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace corkwise {

class RecordCursor;

class BestValuesResultsPage : public SearchPage {
    Q_OBJECT

public:
    // The info box's text when no wine is selected.
    static const QString kInfoTitle;

    // GUIDE must outlive the page.
    explicit BestValuesResultsPage(WineGuide& guide, QWidget* parent = nullptr);

    void clearPage() override;
    void activate(bool entering) override;
    int createControls() override;

    // The info box text of the wine WINE from its PRODUCER, APPELLATION_VARIETY and DESCRIPTION
    // texts: the producer, then a space and the appellation or variety, then a space and the
    // description. A part that the record lacks or that is the catalogue's placeholder is left
    // out, but the space before a later part stays, so a wine without producer starts with a
    // space. The description is left out too when it repeats the appellation or variety. Texts
    // compare exactly.
    static QString infoText(const RecordCursor& wine);

    // The record cursor attached to wine entry ROW, or null (no such entry, or a wine whose
    // record could not be read).
    const RecordCursor* wineAt(int row) const;

    QComboBox* producerCombo() const { return producer_; }
    QListWidget* wineList() const { return wines_; }
    QLabel* infoBox() const { return info_; }

private:
    // Fills the producer list from the input (emptied without one), then the wines and the info.
    void refill();
    // Lists the wines of the selected producer, the first selected (empty without a producer),
    // then rebuilds the info box.
    void rebuildWines();
    // Describes the selected wine; "Info:" when none is.
    void rebuildInfo();

    QLabel* producerLabel_ = nullptr;
    QLabel* winesLabel_ = nullptr;
    QComboBox* producer_ = nullptr;
    QListWidget* wines_ = nullptr;
    QLabel* info_ = nullptr;
};

}  // namespace corkwise
