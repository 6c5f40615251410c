#pragma once

#include "shell/TwipLayout.h"

#include <QWidget>

class CommonDialog;
class QRadioButton;

// The index of the special cargo handling manual: the user selects a cargo and "Show" opens the
// manual's chapter on it. It takes nothing from the main window.
class FrmSpecial : public QWidget {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("Special Cargoes Handling Manual");

    explicit FrmSpecial(QWidget* parent = nullptr);

    // A new window, centred, with the first cargo selected and holding the focus.
    static FrmSpecial* open();

    void setScale(const TwipScale& scale) { m_layout.setScale(scale); }
    const TwipScale& scale() const { return m_layout.scale(); }

private:
    void buildControls();
    void showTopic();

    TwipLayout m_layout;
    CommonDialog* m_help;
    QList<QRadioButton*> m_options;
};
