#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

// The letter keys of the main window: a letter of the table jumps to its cargo name, which the main
// window writes into the operator tab's cargo box, whatever tab is in front, while the keyboard is not in
// a field that takes typing (there the letter is text). The key goes on to its widget either way.
class LetterJump : public QObject {
    Q_OBJECT
public:
    using Jump = std::function<void(const QString& cargo)>;

    LetterJump(QWidget* window, Jump jump);

    static std::optional<QString> cargoFor(int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    Jump m_jump;
};
