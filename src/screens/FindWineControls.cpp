#include "screens/FindWineControls.h"

#include "controls/DropDownList.h"
#include "screens/SearchPage.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>

#include <algorithm>

namespace corkwise::findwine {

namespace {

// Height of one entry of a dropped list in the 13-pixel list font.
constexpr int kEntryHeight = 16;

}  // namespace

QRect edges(int left, int top, int right, int bottom) {
    return {left, top, right - left, bottom - top};
}

QLabel* makeLabel(QWidget* page, const QString& text, const QRect& rect, const char* name) {
    auto* label = new QLabel(text, page);
    label->setObjectName(QString::fromLatin1(name));
    label->setProperty("controlId", -1);
    label->setFont(SearchPage::pageFont(13, true));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(rect);
    label->show();
    return label;
}

QComboBox* makeCombo(QWidget* page, int id, const QRect& rect, const char* name) {
    auto* combo = new DropDownList(rect, kComboHeight, page);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setProperty("controlId", id);
    combo->setEditable(false);
    combo->setFocusPolicy(Qt::StrongFocus);
    combo->setFont(SearchPage::pageFont(13, false));
    combo->view()->setFont(SearchPage::pageFont(13, false));
    combo->setMaxVisibleItems(std::max(1, (rect.height() - kComboHeight) / kEntryHeight));
    combo->show();
    return combo;
}

}  // namespace corkwise::findwine
