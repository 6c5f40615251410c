#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

#include <functional>

// Every message of the program goes through here, so that tests can answer it and see what was asked.
class MessageBox {
public:
    struct Request {
        QString text;
        QString title;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        // Texts of the program's own, without the standard icons, for buttons whose standard text would
        // not say what they do; and the button that Enter presses, where the box's own choice would not do.
        QList<std::pair<QMessageBox::StandardButton, QString>> buttonTexts = {};
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    };
    using Answerer = std::function<QMessageBox::StandardButton(const Request&)>;

    static QMessageBox::StandardButton show(QWidget* parent, const Request& request);
    // An OK box without icon.
    static void ok(QWidget* parent, const QString& text, const QString& title);
    static QMessageBox::StandardButton yesNo(QWidget* parent, const QString& text, const QString& title);
    static void error(QWidget* parent, const QString& text, const QString& title);

    // Tests: every request goes to the answerer instead of a dialog; nullptr restores the dialogs.
    static void setAnswerer(Answerer answerer);
};
