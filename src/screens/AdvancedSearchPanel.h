#pragma once
// The menu of searches shown after a result page's More Search: "Advanced Search:" over three
// buttons that start a further search pre-filled from the wine the user was looking at. A button
// whose search cannot follow that wine is greyed. Buttons are found by object name:
// "bestProducersButton", "bestValuesButton", "powerSearchButton".

#include <QWidget>

class QLabel;
class QPushButton;

namespace corkwise {

class PageHost;

class AdvancedSearchPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kBestProducersId = 1053;
    static constexpr int kBestValuesId = 1056;
    static constexpr int kPowerSearchId = 1059;

    // HOST (not owned) starts the searches and must outlive the panel.
    explicit AdvancedSearchPanel(PageHost& host, QWidget* parent = nullptr);

    // With SHOW true: enables Best Producers exactly when its search can follow the host's
    // remembered wine (a test run of startPrefilled), then Best Values the same way. Power Search
    // is never greyed. With SHOW false nothing happens.
    void refreshButtons(bool show);

    QPushButton* bestProducersButton() const { return bestProducers_; }
    QPushButton* bestValuesButton() const { return bestValues_; }
    QPushButton* powerSearchButton() const { return powerSearch_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPushButton* makeButton(const QString& text, const char* name, int top);

    PageHost& host_;
    QPushButton* bestValues_ = nullptr;
    QPushButton* bestProducers_ = nullptr;
    QPushButton* powerSearch_ = nullptr;
    QLabel* heading_ = nullptr;
};

}  // namespace corkwise
