#pragma once
// The catalogues the user has opened with File > Open Catalogue..., newest first, and the one to
// open at the next start. Kept in the program's settings when given a QSettings, otherwise only
// for as long as the object lives (the tests' frames, which must not touch the user's settings).

#include <QString>
#include <QStringList>

class QSettings;

namespace corkwise {

class RecentCatalogues {
public:
    static constexpr int kMaxEntries = 5;

    // Reads the list from SETTINGS (not owned, may be null; must outlive this object).
    explicit RecentCatalogues(QSettings* settings = nullptr);

    // Absolute paths, newest first, at most kMaxEntries.
    const QStringList& paths() const { return paths_; }
    // The catalogue last opened from the menu, to be opened at the next start; empty when none.
    const QString& lastOpened() const { return lastOpened_; }

    // Puts PATH first in the list (once), and when OPENED also makes it the one for the next
    // start; writes the settings.
    void remember(const QString& path, bool opened);

private:
    void save();

    QSettings* settings_;
    QStringList paths_;
    QString lastOpened_;
};

}  // namespace corkwise
