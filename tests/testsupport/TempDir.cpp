#include "testsupport/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace corkwise::test {

TempDir::TempDir() = default;

QString TempDir::path(const QString& name) const {
    return dir_.filePath(name);
}

QString TempDir::write(const QString& name, const QByteArray& bytes) const {
    const QString full = path(name);
    QFileInfo(full).dir().mkpath(QStringLiteral("."));
    QFile file(full);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes);
    }
    return full;
}

QByteArray TempDir::read(const QString& name) const {
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

}  // namespace corkwise::test
