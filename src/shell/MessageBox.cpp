#include "shell/MessageBox.h"

#include <QPushButton>

namespace {

MessageBox::Answerer& answerer()
{
    static MessageBox::Answerer instance;
    return instance;
}

} // namespace

QMessageBox::StandardButton MessageBox::show(QWidget* parent, const Request& request)
{
    if (answerer())
        return answerer()(request);
    QMessageBox box(request.icon, request.title, request.text, request.buttons, parent);
    // A standard button's icon belongs to its standard text (Cancel's cross on "Keep Editing" would mislead).
    for (const auto& [button, text] : request.buttonTexts) {
        box.button(button)->setText(text);
        box.button(button)->setIcon({});
    }
    if (request.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(request.defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

void MessageBox::ok(QWidget* parent, const QString& text, const QString& title)
{
    show(parent, {text, title, QMessageBox::Ok});
}

QMessageBox::StandardButton MessageBox::yesNo(QWidget* parent, const QString& text, const QString& title)
{
    return show(parent, {text, title, QMessageBox::Yes | QMessageBox::No});
}

void MessageBox::error(QWidget* parent, const QString& text, const QString& title)
{
    show(parent, {text, title, QMessageBox::Ok, QMessageBox::Critical});
}

void MessageBox::setAnswerer(Answerer newAnswerer)
{
    answerer() = std::move(newAnswerer);
}
