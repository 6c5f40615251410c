#pragma once

#include "support/WidgetTestSupport.h"

#include <memory>

class FrmTabClean;
class Store;

// The real main window loaded on a data folder, with every message box answered and the beeps counted.
class LoadedMainWindow {
public:
    explicit LoadedMainWindow(const QString& dataFolder);
    ~LoadedMainWindow();

    bool isLoaded() const { return m_loaded; }
    FrmTabClean* window() const { return m_window.get(); }
    MessageRecorder* messages() const { return m_messages.get(); }
    BeepCounter* beeps() const { return m_beeps.get(); }

private:
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<BeepCounter> m_beeps;
    std::unique_ptr<Store> m_store;
    std::unique_ptr<FrmTabClean> m_window;
    bool m_loaded = false;
};
