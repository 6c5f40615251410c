#pragma once

#include "help/Manual.h"
#include "help/OpenManuals.h"
#include "shell/HelpRequest.h"

#include <QList>
#include <QMainWindow>

class KeywordList;
class QAction;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class TopicBrowser;
class TopicPopup;

// Velcarin's help viewer: a window of its own beside the program that shows the topic of each help
// request, replacing the one in view. Its jumps and popups lead on, into other manuals too; back and
// forward go through the topics it has shown, browse back and forward through the manual's browse
// sequence. A side pane holds the manual's contents, its index and a search of its text. A missing file
// or topic is reported here, in the viewer; a number that an officer's Windows Help manual does not map is
// reported above the manual's contents topic. The manuals it opened are kept while it is open, and read
// again when their files change.
class HelpViewer : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // The program's viewer: shows the request in the one viewer window, opening it beside the window that
    // asked when needed.
    static void showRequest(const HelpRequest& request);
    static HelpViewer* instance();

    void showTopic(const HelpRequest& request);
    QString topicTitle() const;
    QString topicHtml() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // A topic shown: a help request, or a target of a manual reached by a link, the contents or the index.
    struct Place {
        HelpRequest request;
        QString target; // empty: the request's context
    };

    void go(const Place& place);
    void display(const Place& place);
    void showFailure(const QString& reason);
    void followLink(const QString& href);
    void showPopup(const TopicLink& link);
    QString linkFile(const QString& file) const;
    void goBack();
    void goForward();
    void updateActions();
    void fillSidePane(const Manual* manual, const QString& file);
    void fillContents(QTreeWidgetItem* parent, const QList<Manual::ContentsEntry>& entries);
    void openContentsEntry(QTreeWidgetItem* item);
    void openKeyword(const QModelIndex& index);
    void search();
    void print();
    void exportPdf();
    void zoom(int steps);
    void placeBeside(const QWidget* asking);

    QLabel* m_title;
    QLabel* m_notice;
    TopicBrowser* m_fixedText;
    TopicBrowser* m_text;
    TopicPopup* m_popup;
    QTabWidget* m_sidePane;
    QTreeWidget* m_contents;
    QLineEdit* m_indexFilter;
    QListView* m_index;
    KeywordList* m_keywords;
    QLineEdit* m_searchWords;
    QListWidget* m_searchResults;
    QAction* m_back;
    QAction* m_forward;
    QAction* m_browseBack;
    QAction* m_browseForward;
    OpenManuals m_manuals;
    const Manual* m_manual = nullptr; // the manual of the topic shown
    QString m_manualFile;             // its file; the side pane shows its contents
    QString m_sidePaneFile;           // the manual whose contents and index the side pane shows
    const Manual* m_sidePaneManual = nullptr;
    std::optional<Manual::Topic> m_topic;
    QStringList m_highlighted; // the words of the search that showed the topic
    QList<Place> m_history;
    int m_current = -1;
    int m_zoom = 0;
};
