#include "app/RecentCatalogues.h"

#include <QFileInfo>
#include <QSettings>

namespace corkwise {

namespace {

const QString kRecentKey = QStringLiteral("catalogues/recent");
const QString kLastOpenedKey = QStringLiteral("catalogues/lastOpened");

}  // namespace

RecentCatalogues::RecentCatalogues(QSettings* settings) : settings_(settings) {
    if (settings_ == nullptr) {
        return;
    }
    for (const QString& path : settings_->value(kRecentKey).toStringList()) {
        if (!path.isEmpty() && !paths_.contains(path) && paths_.size() < kMaxEntries) {
            paths_.append(path);
        }
    }
    lastOpened_ = settings_->value(kLastOpenedKey).toString();
}

void RecentCatalogues::remember(const QString& path, bool opened) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    paths_.removeAll(absolute);
    paths_.prepend(absolute);
    while (paths_.size() > kMaxEntries) {
        paths_.removeLast();
    }
    if (opened) {
        lastOpened_ = absolute;
    }
    save();
}

void RecentCatalogues::save() {
    if (settings_ == nullptr) {
        return;
    }
    settings_->setValue(kRecentKey, paths_);
    settings_->setValue(kLastOpenedKey, lastOpened_);
    settings_->sync();
}

}  // namespace corkwise
