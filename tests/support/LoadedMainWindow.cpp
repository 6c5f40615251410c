#include "support/LoadedMainWindow.h"

#include "app/FrmTabClean.h"
#include "data/Store.h"

LoadedMainWindow::LoadedMainWindow(const QString& dataFolder)
    : m_messages(std::make_unique<MessageRecorder>())
    , m_beeps(std::make_unique<BeepCounter>())
    , m_store(std::make_unique<Store>(dataFolder))
    , m_window(std::make_unique<FrmTabClean>(*m_store))
{
    QString error;
    m_loaded = m_window->load(&error);
    // The tests reach the controls of every tab by name: the tabs behind are built as a first look would.
    if (m_loaded) {
        m_window->joTab();
        m_window->henkelTab();
    }
    if (!m_loaded)
        qWarning("the main window does not load: %s", qPrintable(error));
}

LoadedMainWindow::~LoadedMainWindow() = default;
