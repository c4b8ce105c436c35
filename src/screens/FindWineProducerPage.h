#pragma once
// The second page of Find Wine (page 10002): an alphabetical segment of producers in a drop-down
// list, then a producer in a list box. Its input is the region node the criteria page hands
// over; the segments are that node's children and the producers the chosen segment's. Next
// records both choices in the guide (positions 4 and 5) and hands the producer's node to the
// wine page.

#include "screens/SearchPage.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace corkwise {

class FindWineProducerPage : public SearchPage {
    Q_OBJECT

public:
    // GUIDE must outlive the page.
    FindWineProducerPage(WineGuide& guide, QWidget* parent = nullptr);

    void clearPage() override;
    std::unique_ptr<NodeCursor> commitSelection() override;
    void activate(bool entering) override;
    bool loadLists() override;
    int createControls() override;

    QComboBox* segmentCombo() const { return segment_; }
    QListWidget* producerList() const { return producer_; }

private:
    // Fills the producer list from the selected segment, preselecting the remembered producer
    // when KEY is given; empties it when no segment is selected.
    bool fillProducers(const char* key);
    void onSegmentPicked();
    void setLabelTexts();

    QLabel* segmentLabel_ = nullptr;
    QLabel* producerLabel_ = nullptr;
    QComboBox* segment_ = nullptr;
    QListWidget* producer_ = nullptr;
};

}  // namespace corkwise
