#include "platform/FileDialog.h"

#include "platform/AnswerScript.h"
#include "platform/MessageBox.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace corkwise {

namespace {

const QString kLastFolderKey = QStringLiteral("dialogs/lastFolder");

AnswerScript<QString, FileDialog::Record>& script() {
    static AnswerScript<QString, FileDialog::Record> s;
    return s;
}

void rememberFolderOf(const QString& path) {
    QSettings().setValue(kLastFolderKey, QFileInfo(path).absolutePath());
}

QString runDialog(QWidget* owner, const FileDialog::Record& record, const QString& defaultSuffix) {
    QFileDialog dialog(owner, record.caption, record.startPath, record.filter);
    dialog.setObjectName(QStringLiteral("fileDialog"));
    if (record.mode == FileDialog::Mode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(defaultSuffix);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

QString ask(QWidget* owner, FileDialog::Record record, const QString& defaultSuffix) {
    if (std::optional<QString> queued = script().takeNext()) {
        record.answer = *queued;
    } else if (!MessageBox::unattended()) {
        record.answer = runDialog(owner, record, defaultSuffix);
    }
    if (!record.answer.isEmpty()) {
        record.answer = QFileInfo(record.answer).absoluteFilePath();
        rememberFolderOf(record.answer);
    }
    script().record(record);
    return record.answer;
}

}  // namespace

QString FileDialog::lastFolder() {
    const QString folder = QSettings().value(kLastFolderKey).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
        return folder;
    }
    return QDir::homePath();
}

QString FileDialog::openFile(QWidget* owner, const QString& caption, const QString& filter) {
    Record record;
    record.mode = Mode::Open;
    record.caption = caption;
    record.startPath = lastFolder();
    record.filter = filter;
    return ask(owner, record, QString());
}

QString FileDialog::saveFile(QWidget* owner, const QString& caption, const QString& suggestedName,
                             const QString& filter, const QString& defaultSuffix) {
    Record record;
    record.mode = Mode::Save;
    record.caption = caption;
    record.startPath = QDir(lastFolder()).filePath(suggestedName);
    record.filter = filter;
    return ask(owner, record, defaultSuffix);
}

void FileDialog::setNextAnswer(const QString& path) {
    script().queue(path);
}

int FileDialog::pendingAnswers() {
    return script().pending();
}

const QList<FileDialog::Record>& FileDialog::history() {
    return script().history();
}

void FileDialog::clearHistory() {
    script().clear();
}

}  // namespace corkwise
