#include "screens/personal/RenameBox.h"

#include "controls/ControlLook.h"
#include "controls/EditCell.h"
#include "screens/SearchPage.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace corkwise {

RenameBox::RenameBox(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("renameBox"));
    setWindowTitle(QStringLiteral("Rename Note"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, SearchPage::kBackground);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    hide();
}

RenameBox::~RenameBox() = default;

bool RenameBox::create(const QRect& rect) {
    setGeometry(rect);
    const int w = rect.width();
    const int h = rect.height();

    edit_ = new EditCell(this);
    edit_->setObjectName(QStringLiteral("renameEdit"));
    if (!edit_->create(CellStyleFlag::Visible | CellStyleFlag::Border,
                       rectFromEdges(10, 10, w - 10, 30), this, 0)) {
        return false;
    }
    if (QLineEdit* line = edit_->lineEdit()) {
        connect(line, &QLineEdit::returnPressed, this, &RenameBox::accept);
        line->setAccessibleName(QStringLiteral("New name"));
    }

    setStyleSheet(SearchPage::buttonStyleSheet());
    const QFont bold = SearchPage::pageFont(13, true);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("renameOk"));
    ok_->setGeometry(rectFromEdges(10, h - 30, 80, h - 10));
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("renameCancel"));
    cancel_->setGeometry(rectFromEdges(w - 80, h - 30, w - 10, h - 10));
    for (QPushButton* button : {ok_, cancel_}) {
        button->setFont(bold);
        button->setAutoDefault(true);
    }
    connect(ok_, &QPushButton::clicked, this, &RenameBox::accept);
    connect(cancel_, &QPushButton::clicked, this, &RenameBox::reject);
    hide();
    return true;
}

void RenameBox::open(const QString& name) {
    result_ = false;
    edit_->setText(name);
    show();
    raise();
    if (QLineEdit* line = edit_->lineEdit()) {
        line->selectAll();
        line->setFocus(Qt::OtherFocusReason);
    }
}

QString RenameBox::text() const {
    return edit_ != nullptr ? edit_->text() : QString();
}

void RenameBox::cut() {
    if (edit_ != nullptr) {
        edit_->cut();
    }
}

void RenameBox::copy() {
    if (edit_ != nullptr) {
        edit_->copy();
    }
}

void RenameBox::paste() {
    if (edit_ != nullptr) {
        edit_->paste();
    }
}

void RenameBox::accept() {
    if (isHidden()) {
        return;
    }
    result_ = true;
    hide();
    Q_EMIT closed();
}

void RenameBox::reject() {
    if (isHidden()) {
        return;
    }
    result_ = false;
    hide();
    Q_EMIT closed();
}

void RenameBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QFrame::keyPressEvent(event);
}

}  // namespace corkwise
