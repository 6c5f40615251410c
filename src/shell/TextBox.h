#pragma once

#include <QPlainTextEdit>

// A multi-line text box whose text() is exactly what was set, CR LF line breaks included; a text the
// user edits comes back with CR LF breaks.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);

    void setTextColour(const QColor& colour);
    QColor textColour() const;

Q_SIGNALS:
    void textEdited(const QString& text);

private:
    void takeEditedText();

    QString m_text;
    bool m_setting = false;
};
