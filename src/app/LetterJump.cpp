#include "app/LetterJump.h"

#include "shell/Controls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

LetterJump::LetterJump(QWidget* window, Jump jump)
    : QObject(window)
    , m_window(window)
    , m_jump(std::move(jump))
{
    qApp->installEventFilter(this);
}

std::optional<QString> LetterJump::cargoFor(int key)
{
    switch (key) {
    case Qt::Key_A:
        return QStringLiteral("AATREX");
    case Qt::Key_B:
        return QStringLiteral("BABASSU OIL");
    case Qt::Key_C:
        return QStringLiteral("C-3+ALCOHOL");
    case Qt::Key_D:
        return QStringLiteral("D-2,4-AMINE");
    case Qt::Key_E:
        return QStringLiteral("EAU DE VIE 2YR OIL");
    case Qt::Key_F:
        return QStringLiteral("FATTY ACID C-1095");
    case Qt::Key_G:
        return QStringLiteral("GASHOL");
    case Qt::Key_H:
        return QStringLiteral("HEART CUT DISTILLATE");
    case Qt::Key_I:
        return QStringLiteral("IDEMITSU BRT STCK 200");
    case Qt::Key_J:
        return QStringLiteral("JET FUEL JP-1");
    case Qt::Key_K:
        return QStringLiteral("KA-OIL");
    case Qt::Key_L:
        return QStringLiteral("LACTIC ACID");
    case Qt::Key_M:
        return QStringLiteral("M SPIRIT, CERTREX 39");
    case Qt::Key_N:
        return QStringLiteral("NAPHTHA, AROMTC CTRX47");
    case Qt::Key_O:
        return QStringLiteral("O-ISOPROPYL PHENOL");
    case Qt::Key_P:
        return QStringLiteral("P.O. BLEACHED/NOT NEUT");
    case Qt::Key_R:
        return QStringLiteral("RAPE ACID OIL");
    case Qt::Key_S:
        return QStringLiteral("SAFFLOWER OIL");
    case Qt::Key_T:
        return QStringLiteral("TALL OIL CRUDE");
    case Qt::Key_U:
        return QStringLiteral("U-46-D HERBICIDE");
    case Qt::Key_V:
        return QStringLiteral("VALERALDEHYDE-N");
    case Qt::Key_W:
        return QStringLiteral("W SPIRIT, SHELL LAW");
    case Qt::Key_X:
        return QStringLiteral("XYLENE-M");
    default:
        return std::nullopt;
    }
}

bool LetterJump::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    // A key the focus widget ignores comes by again for each parent; only its first delivery counts.
    QWidget* focus = QApplication::focusWidget();
    auto* widget = static_cast<QWidget*>(watched);
    if (widget != (focus ? focus : m_window) || widget->window() != m_window || !m_window->isActiveWindow() ||
        Controls::takesTyping(widget))
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (const std::optional<QString> cargo = cargoFor(key->key()))
        m_jump(*cargo);
    return false;
}
