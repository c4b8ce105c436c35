#include "platform/DataLocations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace corkwise {

QString executableDirectory() {
    if (QCoreApplication::instance() == nullptr) {
        return {};
    }
    return QCoreApplication::applicationDirPath();
}

QString installedDataDirectory(const QString& executableDir) {
    return QDir::cleanPath(QDir(executableDir).filePath(QStringLiteral("../share/corkwise")));
}

QString userDataDirectory() {
    // Named by hand rather than AppDataLocation, which would put the organisation's folder in
    // between: the files stay in ~/.local/share/corkwise whatever the settings are called.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return base.isEmpty() ? QString() : QDir(base).filePath(QStringLiteral("corkwise"));
}

DataLocations resolveDataLocations(const LocationInputs& in) {
    DataLocations out;
    const QDir exeDir(in.executableDir);
    const QString beside = exeDir.filePath(QString::fromLatin1(kCatalogueFileName));

    if (!in.catalogueOverride.isEmpty()) {
        out.catalogue = in.catalogueOverride;
    } else if (QFileInfo(beside).isFile() || in.installedDataDir.isEmpty()) {
        out.catalogue = beside;
    } else {
        const QString installed =
            QDir(in.installedDataDir).filePath(QString::fromLatin1(kCatalogueFileName));
        out.catalogue = QFileInfo(installed).isFile() ? installed : beside;
    }

    if (!in.personalOverride.isEmpty()) {
        out.personal = in.personalOverride;
    } else {
        // An installed program never writes into its bin directory, even when it may (root may
        // write anywhere): the user's files there would outlive the package.
        const bool installed =
            !QFileInfo(beside).isFile() && !in.installedDataDir.isEmpty() &&
            QFileInfo(QDir(in.installedDataDir).filePath(QString::fromLatin1(kCatalogueFileName)))
                .isFile();
        const QFileInfo dirInfo(in.executableDir);
        const bool writable = !installed && dirInfo.isDir() && dirInfo.isWritable();
        const QDir home = (writable || in.userDataDir.isEmpty()) ? exeDir : QDir(in.userDataDir);
        out.personal = home.filePath(QString::fromLatin1(kPersonalFileName));
    }

    out.errorLog = QFileInfo(out.personal).dir().filePath(QString::fromLatin1(kErrorLogFileName));
    return out;
}

}  // namespace corkwise
