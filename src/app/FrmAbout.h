#pragma once

#include <QWidget>

// The About box: the program's title and version, the handbooks it is based on, and a button that starts
// the system's information program. An ordinary window, opened from the Help menu.
class FrmAbout : public QWidget {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("Velcarin, revised version, 2003");
    static inline const QString Unavailable =
        QStringLiteral("System Information Is Unavailable At This Time");

    explicit FrmAbout(QWidget* parent = nullptr);

    // A new About box, centred on the screen.
    static FrmAbout* open();

private:
    void startSystemInformation();
};
