// The main view's keyboard: the focus order of each screen, the keys that the focused control
// leaves unused (Enter, Escape), the navigation shortcuts and the home banners' focus targets.

#include "app/HomeBannerButton.h"
#include "app/MainView.h"
#include "controls/GridList.h"
#include "screens/AdvancedSearchPanel.h"
#include "screens/NameSearchPanel.h"
#include "screens/NavigationStrip.h"
#include "screens/SearchPage.h"
#include "screens/personal/CPersonal.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

namespace corkwise {

namespace {

// The controls of ROOT that Tab stops at, from top to bottom and left to right. A control inside
// another (a grid's scroll bar, a list's viewport) is left to the outer one.
QList<QWidget*> tabControls(QWidget* root) {
    QList<QWidget*> found;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() ||
            w->window() != root->window() || !w->isVisibleTo(root)) {
            continue;
        }
        bool nested = false;
        for (QWidget* p = w->parentWidget(); p != nullptr && p != root; p = p->parentWidget()) {
            nested = nested || (p->focusPolicy() & Qt::TabFocus) != 0;
        }
        if (!nested) {
            found.append(w);
        }
    }
    std::stable_sort(found.begin(), found.end(), [root](QWidget* a, QWidget* b) {
        const QPoint pa = a->mapTo(root, QPoint(0, 0));
        const QPoint pb = b->mapTo(root, QPoint(0, 0));
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    return found;
}

bool isList(const QWidget* w) {
    return qobject_cast<const QComboBox*>(w) != nullptr ||
           qobject_cast<const QAbstractItemView*>(w) != nullptr ||
           qobject_cast<const GridList*>(w) != nullptr;
}

bool contains(const QWidget* outer, const QWidget* w) {
    return w != nullptr && (w == outer || outer->isAncestorOf(w));
}

}  // namespace

void MainView::createKeyboard() {
    QList<const HomeBanner*> fromTop;
    for (const HomeBanner& b : kHomeBanners) {
        fromTop.append(&b);
    }
    std::stable_sort(fromTop.begin(), fromTop.end(),
                     [](const HomeBanner* a, const HomeBanner* b) { return a->top < b->top; });
    for (const HomeBanner* b : fromTop) {
        auto* banner = new HomeBannerButton(*b, this);
        banners_.append(banner);
        connect(banner, &HomeBannerButton::clicked, this,
                [this, flow = b->flowId] { startFlowAt(flow); });
        connect(banner, &HomeBannerButton::stepRequested, this, [this, banner](int step) {
            const qsizetype n = banners_.size();
            banners_[(banners_.indexOf(banner) + step + n) % n]->setFocus(Qt::TabFocusReason);
        });
    }

    const auto shortcut = [this](QKeyCombination keys, auto action) {
        auto* s = new QShortcut(QKeySequence(keys), this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, action);
    };
    shortcut(Qt::ALT | Qt::Key_Left, [this] {
        if (hasFlow() && shownScreen() == currentPage()) {
            strip_->backButton()->click();
        }
    });
    shortcut(Qt::ALT | Qt::Key_Right, [this] {
        if (hasFlow() && shownScreen() == currentPage() &&
            strip_->nextButton()->isVisibleTo(strip_)) {
            strip_->nextButton()->click();
        }
    });
    shortcut(Qt::ALT | Qt::Key_Home, [this] { goHome(); });
    screenChanged();
}

QWidget* MainView::shownScreen() const {
    switch (overlay()) {
        case Overlay::Personal:
            return personalPanel_.get();
        case Overlay::NameSearch:
            return nameSearch_;
        case Overlay::Menu:
            return advancedPanel_;
        case Overlay::None:
            break;
    }
    if (hasFlow()) {
        return pages_[current_];
    }
    return const_cast<MainView*>(this);
}

QList<QWidget*> MainView::focusOrder() const {
    QWidget* screen = shownScreen();
    QList<QWidget*> order;
    if (screen == this) {
        for (HomeBannerButton* banner : banners_) {
            order.append(banner);
        }
    } else if (screen == advancedPanel_) {
        order = tabControls(advancedPanel_);
    } else if (hasFlow() && screen == pages_[current_]) {
        order = tabControls(screen);
        for (QPushButton* b : {strip_->cancelButton(), strip_->backButton(), strip_->nextButton(),
                               strip_->finishButton()}) {
            if (b->isVisibleTo(strip_) && b->isEnabled()) {
                order.append(b);
            }
        }
    }
    return order;
}

QWidget* MainView::firstFocus() const {
    QWidget* screen = shownScreen();
    if (screen == personalPanel_.get()) {
        return personalPanel_->entryList();
    }
    if (screen == nameSearch_) {
        return nameSearch_->field();
    }
    const QList<QWidget*> order = focusOrder();
    if (screen == this) {
        for (HomeBannerButton* banner : banners_) {
            if (banner->flowId() == lastFlow_) {
                return banner;
            }
        }
    }
    const auto list = std::find_if(order.begin(), order.end(), isList);
    if (list != order.end()) {
        return *list;
    }
    return order.isEmpty() ? nullptr : order.first();
}

void MainView::screenChanged() {
    showState();
    if (banners_.isEmpty()) {
        return;
    }
    QWidget* screen = shownScreen();
    QWidget* focus = window()->focusWidget();
    bool inside = false;
    if (screen == this) {
        inside = std::any_of(banners_.begin(), banners_.end(),
                             [focus](QWidget* b) { return b == focus; });
    } else {
        inside = contains(screen, focus) || (screen == currentPage() && contains(strip_, focus));
    }
    inside = inside && focus->isVisibleTo(this);
    if (screen != focusedScreen_ || !inside) {
        if (QWidget* first = firstFocus()) {
            first->setFocus(Qt::OtherFocusReason);
        }
    }
    focusedScreen_ = screen;
}

bool MainView::focusNextPrevChild(bool next) {
    const QList<QWidget*> order = focusOrder();
    if (order.isEmpty()) {
        return QWidget::focusNextPrevChild(next);
    }
    const QWidget* focus = window()->focusWidget();
    qsizetype at = -1;
    for (qsizetype i = 0; i < order.size(); ++i) {
        if (contains(order[i], focus)) {
            at = i;
        }
    }
    const qsizetype n = order.size();
    const qsizetype to = at < 0 ? (next ? 0 : n - 1) : (at + (next ? 1 : n - 1)) % n;
    order[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void MainView::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool escape = event->key() == Qt::Key_Escape;
    QWidget* screen = shownScreen();
    if (modifiers == Qt::NoModifier && hasFlow() && screen == currentPage()) {
        // Only keys the focused control did not take get here: a dropped list keeps its Enter
        // and Escape, a focused button its Enter.
        if (enter) {
            QPushButton* forward = strip_->finishButton()->isVisibleTo(strip_)
                                       ? strip_->finishButton()
                                       : strip_->nextButton();
            forward->click();
            event->accept();
            return;
        }
        if (escape) {
            strip_->cancelButton()->click();
            event->accept();
            return;
        }
    }
    if (modifiers == Qt::NoModifier && escape && screen == advancedPanel_) {
        goHome();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainView::goHome() {
    if (isUp(Overlay::Personal)) {
        // Leaving as Done does keeps what was typed; while a rename is open nothing moves.
        personalPanel_->done();
        if (isUp(Overlay::Personal)) {
            return;
        }
    }
    uncover(Overlay::NameSearch);
    uncover(Overlay::Menu);
    closeFlow();
}

}  // namespace corkwise
