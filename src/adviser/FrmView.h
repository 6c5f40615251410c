#pragma once

#include <QWidget>

struct Sheet;
class TextBox;
class WindowRegistry;

// The view window: one long advice text of the current cargo in a large box, under the cargo's
// identification as the printed sheet shows it. The View menu's entries give it its caption and text.
class FrmView : public QWidget {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("Procedures View");

    explicit FrmView(QWidget* parent = nullptr);

    // A new view window placed high on the screen, its header copied from the printed Tavro sheet. The
    // sheet is loaded, hidden, if it is not loaded yet, and it is unloaded with the view window.
    static FrmView* open(WindowRegistry& windows);

    // Sets the window's caption and replaces the text of its box; the header stays as it was loaded.
    void showText(const QString& caption, const QString& text);

private:
    void copyHeader(const Sheet& sheet);

    TextBox* m_text;
};
