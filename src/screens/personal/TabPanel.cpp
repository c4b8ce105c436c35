#include "screens/personal/TabPanel.h"

#include "controls/ControlLook.h"
#include "screens/SearchPage.h"
#include "screens/personal/TabLabel.h"
#include "screens/personal/TabPage.h"

#include <QPainter>
#include <QPolygon>

namespace corkwise {

TabPanel::TabPanel(QWidget* parent) : QWidget(parent), frameColour_(SearchPage::kFrameColour) {
    setObjectName(QStringLiteral("tabPanel"));
    setWindowTitle(QStringLiteral("Custom TabCntr"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, SearchPage::kBackground);
    setPalette(pal);
}

TabPanel::~TabPanel() = default;

void TabPanel::addPage(TabPage* page) {
    if (page == nullptr || created_) {
        return;
    }
    page->setParent(this);
    page->hide();
    pages_.append(page);
}

bool TabPanel::create(const QRect& rect, QWidget* parent) {
    if (created_ || parent == nullptr) {
        return false;
    }
    setParent(parent);
    setGeometry(rect);
    const int w = rect.width();
    const int h = rect.height();
    for (int i = 0; i < pages_.size(); ++i) {
        const int x = kTabWidth * i;
        const int id = kFirstLabelId + 2 * i;
        TabPage* tabPage = pages_[i];
        const bool front = i == selectedPage();

        auto* selectedLook = new TabLabel(tabPage->title(), id, this);
        selectedLook->setObjectName(QStringLiteral("tab%1Selected").arg(i));
        selectedLook->setGeometry(rectFromEdges(x, 0, x + kTabWidth, kTabHeight + 1));
        selectedLook->setVisible(front);
        auto* unselectedLook = new TabLabel(tabPage->title(), id, this);
        unselectedLook->setObjectName(QStringLiteral("tab%1").arg(i));
        unselectedLook->setGeometry(rectFromEdges(x, 3, x + kTabWidth, kTabHeight));
        unselectedLook->setVisible(!front);
        for (TabLabel* tab : {selectedLook, unselectedLook}) {
            connect(tab, &TabLabel::clicked, this, &TabPanel::chooseTab);
        }

        if (!tabPage->createPage(this, rectFromEdges(2, kTabHeight + 1, w - 1, h - 1),
                                 kFirstPageId + i)) {
            return false;
        }
        // Only the page in front is visible, so the later pages do not cover the first.
        tabPage->setVisible(front);
        labels_.append(selectedLook);
        labels_.append(unselectedLook);
    }
    created_ = true;
    show();
    return true;
}

TabPage* TabPanel::page(int i) const {
    return i >= 0 && i < pages_.size() ? pages_[i] : nullptr;
}

TabLabel* TabPanel::label(int i, bool selectedLook) const {
    const int at = 2 * i + (selectedLook ? 0 : 1);
    return i >= 0 && at < labels_.size() ? labels_[at] : nullptr;
}

void TabPanel::chooseTab(int labelId) {
    const int s = labelId - kFirstLabelId;
    // Only the ids the labels carry choose a tab.
    if (s == selected_ || s < 0 || s % 2 != 0 || s / 2 >= labels_.size() / 2) {
        return;
    }
    const int oldPage = selected_ / 2;
    const int newPage = s / 2;
    label(oldPage, true)->hide();
    label(oldPage, false)->show();
    label(newPage, true)->show();
    label(newPage, false)->hide();
    pages_[oldPage]->hide();
    selected_ = s;
    pages_[newPage]->show();
}

void TabPanel::resizePages(int /*left*/, int /*top*/, int right, int bottom) {
    for (TabPage* tabPage : pages_) {
        tabPage->resizePage(0, 0, right - 1, bottom - 1);
    }
}

void TabPanel::cut() {
    if (TabPage* front = selectedTabPage()) {
        front->cut();
    }
}

void TabPanel::copy() {
    if (TabPage* front = selectedTabPage()) {
        front->copy();
    }
}

void TabPanel::paste() {
    if (TabPage* front = selectedTabPage()) {
        front->paste();
    }
}

void TabPanel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), SearchPage::kBackground);
    // The page area's frame; its top line runs under the tabs, which the selected tab covers.
    const int t = pages_.isEmpty() ? 1 : kTabHeight;
    const int right = width();
    const int bottom = height();
    QPolygon frame;
    frame << QPoint(1, bottom - 1) << QPoint(1, t) << QPoint(right - 1, t)
          << QPoint(right - 1, bottom - 1) << QPoint(1, bottom - 1);
    painter.setPen(QPen(frameColour_, 1));
    painter.drawPolyline(frame);
}

}  // namespace corkwise
