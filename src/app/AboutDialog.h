#pragma once
// The About box: "About Corkwise", the program's name and version over a picture of its own, and
// under them the files in use: the catalogue (its path, how many wines it holds, its date) and
// the personal file.

#include <QDateTime>
#include <QDialog>
#include <QImage>

class QLabel;

namespace corkwise {

class Catalog;

// What the About box says about the files in use.
struct FilesInUse {
    QString cataloguePath;
    int wines = -1;           // -1: not known
    QDateTime catalogueDate;  // the file's last change; invalid when not known
    QString personalPath;
    int entries = -1;  // notes and bookmarks stored; -1: not known
};

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    // FILES, when given, are named under the program's name.
    explicit AboutDialog(QWidget* parent = nullptr, const FilesInUse& files = {});

    // The text of the box: six empty lines, "Corkwise", "Version 2.3" and two lines more.
    static QString aboutText();
    // The lines that name FILES, for example
    //   Catalogue: /usr/share/corkwise/wcat.res
    //   5,712 wines, file of 2026-12-08
    //   Notes and bookmarks: /home/ann/.local/share/corkwise/personal.res (3 stored)
    // Empty when FILES names no catalogue.
    static QString filesText(const FilesInUse& files);
    // The number of wines in CATALOG: the records of its wine tables "Wines0", "Wines1", ...
    static int wineCount(const Catalog& catalog);

    QLabel* textLabel() const { return text_; }
    QLabel* filesLabel() const { return files_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* text_;
    QLabel* files_;
    QImage background_;
};

}  // namespace corkwise
