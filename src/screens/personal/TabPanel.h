#pragma once
// A row of tabs over a framed page area, one page in front at a time.
//
// Pages are added first (addPage), then the panel's window is made (create): each page gets two
// tab labels, a selected look and an unselected look, and a child window inside the frame. A
// click on a tab brings its page to the front. The first tab is selected at start, and the
// selection stays until the user picks another tab.

#include <QColor>
#include <QList>
#include <QWidget>

namespace corkwise {

class TabLabel;
class TabPage;

class TabPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTabHeight = 22;
    static constexpr int kTabWidth = 50;
    // Ids of the labels of page i: kFirstLabelId + 2 * i; of the page itself: kFirstPageId + i.
    static constexpr int kFirstLabelId = 1200;
    static constexpr int kFirstPageId = 1230;

    explicit TabPanel(QWidget* parent = nullptr);
    ~TabPanel() override;

    // Appends PAGE as the last tab and takes ownership of it. Only before create().
    void addPage(TabPage* page);
    // Makes the panel a visible child of PARENT at RECT with the tab labels and page windows.
    // False when any of them cannot be made, or the panel was created before.
    bool create(const QRect& rect, QWidget* parent);
    bool isCreated() const { return created_; }

    // A click on the tab whose labels carry LABELID (kFirstLabelId + 2 * page index): hides the
    // page in front and shows that one. Nothing for the tab in front or an id of no tab.
    void chooseTab(int labelId);

    int pageCount() const { return static_cast<int>(pages_.size()); }
    TabPage* page(int i) const;
    // Index of the page in front.
    int selectedPage() const { return selected_ / 2; }
    TabPage* selectedTabPage() const { return page(selectedPage()); }
    // The selected-look (SELECTEDLOOK true) or unselected-look label of page I; null when none.
    TabLabel* label(int i, bool selectedLook) const;

    // Asks every page to fit its controls to (0, 0) - (RIGHT - 1, BOTTOM - 1).
    void resizePages(int left, int top, int right, int bottom);
    // The Edit menu's commands, for the page in front.
    void cut();
    void copy();
    void paste();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<TabPage*> pages_;
    // Two per page, in page order: the selected look, then the unselected look.
    QList<TabLabel*> labels_;
    // Two times the index of the page in front: the index of its selected-look label.
    int selected_ = 0;
    QColor frameColour_;
    bool created_ = false;
};

}  // namespace corkwise
