#include "screens/FindWineControls.h"

#include "controls/DropDownList.h"
#include "controls/InfoBox.h"
#include "screens/SearchPage.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

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

QListWidget* makeListBox(QWidget* page, int id, const QRect& rect, const char* name) {
    auto* list = new QListWidget(page);
    list->setObjectName(QString::fromLatin1(name));
    list->setProperty("controlId", id);
    list->setFont(SearchPage::pageFont(13, false));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every entry is one line of one font: the view need not measure each of a thousand entries
    // to lay them out, which would cost more than filling them.
    list->setUniformItemSizes(true);
    list->setFrameShape(QFrame::Box);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setFocusPolicy(Qt::StrongFocus);
    list->setGeometry(rect);
    list->show();
    return list;
}

QLabel* makeInfoBox(QWidget* page, const QString& text, const QRect& rect, const char* name,
                    bool listFont) {
    auto* info = new InfoBox(text, page);
    info->setObjectName(QString::fromLatin1(name));
    info->setProperty("controlId", -1);
    if (listFont) {
        info->setFont(SearchPage::pageFont(13, false));
    }
    info->setAlignment(Qt::AlignCenter);
    info->setWordWrap(true);
    info->setFrameShape(QFrame::Box);
    info->setAutoFillBackground(true);
    QPalette palette = info->palette();
    palette.setColor(QPalette::Window, SearchPage::kBoxColour);
    palette.setColor(QPalette::WindowText, Qt::black);
    info->setPalette(palette);
    info->setGeometry(rect);
    info->show();
    return info;
}

QComboBox* makeLabelledList(QWidget* page, const LabelledList& list) {
    constexpr int kLabelHeight = 15;
    const int comboTop = list.labelTop + kLabelHeight;
    QLabel* label = makeLabel(page, QString::fromLatin1(list.labelText),
                              edges(10, list.labelTop, 230, comboTop), list.labelName);
    QComboBox* combo =
        makeCombo(page, list.comboId, edges(10, comboTop, 230, list.comboBottom), list.comboName);
    labelControl(label, combo);
    return combo;
}

void labelControl(QLabel* label, QWidget* control) {
    label->setBuddy(control);
    QString name = label->text();
    while (name.endsWith(QLatin1Char(':')) || name.endsWith(QLatin1Char(' '))) {
        name.chop(1);
    }
    control->setAccessibleName(name);
}

QPushButton* makeButton(QWidget* page, int id, const QString& text, const QRect& rect,
                        const char* name) {
    auto* button = new QPushButton(text, page);
    button->setObjectName(QString::fromLatin1(name));
    button->setProperty("controlId", id);
    button->setFont(SearchPage::pageFont(13, true));
    button->setStyleSheet(SearchPage::buttonStyleSheet());
    // Enter presses a focused button, as Space does.
    button->setAutoDefault(true);
    button->setGeometry(rect);
    button->show();
    return button;
}

}  // namespace corkwise::findwine
