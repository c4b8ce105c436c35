#include "app/AboutDialog.h"

#include "app/AppIdentity.h"
#include "app/HomePicture.h"
#include "screens/SearchPage.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace corkwise {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("About Corkwise"));
    setWindowIcon(applicationIcon());
    setFixedSize(kHomeWidth, kHomeHeight);
    setStyleSheet(SearchPage::buttonStyleSheet());

    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(10);

    // The text is drawn transparently over the picture, inside a thin frame.
    text_ = new QLabel(aboutText(), this);
    text_->setObjectName(QStringLiteral("aboutText"));
    text_->setFont(font);
    text_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    text_->setGeometry(4, 4, kHomeWidth - 8, kHomeHeight - 40);
    text_->setStyleSheet(
        QStringLiteral("QLabel { background: transparent; color: rgb(70, 20, 30);"
                       " border: 1px solid rgb(125, 125, 125); }"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setFont(SearchPage::pageFont(13, true));
    ok->setGeometry(kHomeWidth - 70, kHomeHeight - 30, 60, 22);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString AboutDialog::aboutText() {
    return QStringLiteral(
        "\n\n\n\n\n\nCorkwise\nVersion 2.3\nA pocket guide to wine,\nfood and vintages");
}

void AboutDialog::paintEvent(QPaintEvent* /*event*/) {
    const qreal dpr = devicePixelRatioF();
    if (background_.isNull() || !qFuzzyCompare(background_.devicePixelRatio(), dpr)) {
        background_ = paintAboutPicture(dpr);
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), background_);
}

}  // namespace corkwise
