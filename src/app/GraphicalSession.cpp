#include "app/GraphicalSession.h"

#include <cstdio>
#include <cstdlib>

namespace GraphicalSession {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("GraphicalSession", text);
}

QtMessageHandler qtHandler = nullptr;

// Qt ends with a fatal message when no platform can connect to a display.
void endWithoutDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        qtHandler(type, context, message);
        return;
    }
    std::fputs(
        qPrintable(QStringLiteral("velcarin: ") +
                   tr("Velcarin needs a graphical session, and cannot open its windows on this display.") +
                   QLatin1Char('\n')),
        stderr);
    std::_Exit(1);
}

} // namespace

std::optional<QString> missing()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return QStringLiteral("velcarin: ") +
               tr("Velcarin needs a graphical session, and none was found (neither DISPLAY nor "
                  "WAYLAND_DISPLAY "
                  "is set); velcarin-cli answers the same questions in a terminal.");
#endif
    return std::nullopt;
}

std::unique_ptr<QApplication> open(int& argc, char** argv)
{
    qtHandler = qInstallMessageHandler(endWithoutDisplay);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtHandler);
    return application;
}

} // namespace GraphicalSession
