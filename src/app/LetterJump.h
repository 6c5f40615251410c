#pragma once

#include <QObject>
#include <QString>

#include <optional>

class QComboBox;
class QWidget;

// The letter keys of the main window: a letter of the table writes its cargo name into the operator
// tab's cargo box, whatever tab is in front, while the keyboard is not in a field that takes typing
// (there the letter is text). The key goes on to its widget either way.
class LetterJump : public QObject {
    Q_OBJECT
public:
    LetterJump(QWidget* window, QComboBox* cargoBox);

    static std::optional<QString> cargoFor(int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QComboBox* m_cargoBox;
};
