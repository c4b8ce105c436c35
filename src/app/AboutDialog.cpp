#include "app/AboutDialog.h"

#include "app/AppIdentity.h"
#include "app/HomePicture.h"
#include "catalog/Catalog.h"
#include "catalog/RecordTable.h"
#include "screens/SearchPage.h"

#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace corkwise {

namespace {

// PATH as shown, with a place to wrap after every separator: a long path has no spaces.
QString wrappablePath(const QString& path) {
    QString shown = QDir::toNativeSeparators(path);
    shown.replace(QDir::separator(), QString(QDir::separator()) + QChar(0x200B));
    return shown;
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent, const FilesInUse& files) : QDialog(parent) {
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

    // The files in use, small, below the program's name and inside the same frame.
    QFont small = font;
    small.setPointSize(7);
    files_ = new QLabel(filesText(files), this);
    files_->setObjectName(QStringLiteral("aboutFiles"));
    files_->setFont(small);
    files_->setWordWrap(true);
    files_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    files_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Right of the picture's grapes, which fill the lower left corner.
    files_->setGeometry(48, 172, kHomeWidth - 56, kHomeHeight - 40 - 172);
    files_->setStyleSheet(
        QStringLiteral("QLabel { background: transparent; color: rgb(70, 20, 30); }"));

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

QString AboutDialog::filesText(const FilesInUse& files) {
    if (files.cataloguePath.isEmpty()) {
        return {};
    }
    const QLocale locale = QLocale::system();
    QString text = QStringLiteral("Catalogue: %1").arg(wrappablePath(files.cataloguePath));
    QStringList facts;
    if (files.wines >= 0) {
        facts.append(files.wines == 1
                         ? QStringLiteral("1 wine")
                         : QStringLiteral("%1 wines").arg(locale.toString(files.wines)));
    }
    if (files.catalogueDate.isValid()) {
        facts.append(
            QStringLiteral("file of %1").arg(files.catalogueDate.date().toString(Qt::ISODate)));
    }
    if (!facts.isEmpty()) {
        text += QLatin1Char('\n') + facts.join(QStringLiteral(", "));
    }
    if (!files.personalPath.isEmpty()) {
        text += QStringLiteral("\nNotes and bookmarks: %1").arg(wrappablePath(files.personalPath));
        if (files.entries >= 0) {
            text += QStringLiteral(" (%1 stored)").arg(files.entries);
        }
    }
    return text;
}

int AboutDialog::wineCount(const Catalog& catalog) {
    int count = 0;
    for (int k = 0;; ++k) {
        const int number = catalog.indexOfTable("Wines" + QByteArray::number(k));
        const auto* table = dynamic_cast<const RecordTable*>(catalog.tableAt(number));
        if (number < 0 || table == nullptr) {
            return count;
        }
        count += std::max(0, table->rowCount());
    }
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
