#include "shell/FileDialog.h"

#include <QFileDialog>

namespace {

FileDialog::Answerer& answerer()
{
    static FileDialog::Answerer instance;
    return instance;
}

} // namespace

QString FileDialog::saveFileName(QWidget* parent, const Request& request)
{
    if (answerer())
        return answerer()(request);
    QFileDialog dialog(parent, request.title, request.suggestedPath, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void FileDialog::setAnswerer(Answerer newAnswerer)
{
    answerer() = std::move(newAnswerer);
}
