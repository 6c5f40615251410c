#pragma once

#include "help/OpenManuals.h"
#include "shell/HelpRequest.h"

#include <QList>
#include <QMainWindow>

class QAction;
class QLabel;
class QTextBrowser;

// Velcarin's help viewer: a window of its own beside the program that shows the topic of each help
// request, replacing the one in view, with back and forward through the topics it has shown. A
// missing file or topic is reported here, in the viewer; a number that an officer's Windows Help manual
// does not map is reported above the manual's contents topic. The manuals it opened are kept while it
// is open, and read again when their files change.
class HelpViewer : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // The program's viewer: shows the request in the one viewer window, opening it when needed.
    static void showRequest(const HelpRequest& request);
    static HelpViewer* instance();

    void showTopic(const HelpRequest& request);
    QString topicTitle() const;
    QString topicHtml() const;

private:
    void display(const HelpRequest& request);
    void goBack();
    void goForward();
    void updateActions();

    QLabel* m_title;
    QLabel* m_notice;
    QTextBrowser* m_text;
    QAction* m_back;
    QAction* m_forward;
    OpenManuals m_manuals;
    QList<HelpRequest> m_history;
    int m_current = -1;
};
