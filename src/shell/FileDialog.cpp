#include "shell/FileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace {

FileDialog::Answerer& answerer()
{
    static FileDialog::Answerer instance;
    return instance;
}

// The officer's own settings, in his configuration folder.
QSettings settings()
{
    return QSettings(QStringLiteral("Velcarin"), QStringLiteral("Velcarin"));
}

QString ask(QWidget* parent, const FileDialog::Request& request)
{
    QFileDialog dialog(parent, request.title, request.suggestedPath, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString FileDialog::saveFileName(QWidget* parent, Request request)
{
    const QString setting = request.folderSetting;
    if (!setting.isEmpty()) {
        // A folder that has gone since is no place to open in.
        const QString last = settings().value(setting).toString();
        if (!last.isEmpty() && QFileInfo(last).isDir())
            request.suggestedPath = QDir(last).filePath(QFileInfo(request.suggestedPath).fileName());
    }
    const QString chosen = answerer() ? answerer()(request) : ask(parent, request);
    if (!chosen.isEmpty() && !setting.isEmpty())
        settings().setValue(setting, QFileInfo(chosen).absolutePath());
    return chosen;
}

void FileDialog::setAnswerer(Answerer newAnswerer)
{
    answerer() = std::move(newAnswerer);
}
