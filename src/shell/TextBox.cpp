#include "shell/TextBox.h"

TextBox::TextBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    connect(this, &QPlainTextEdit::textChanged, this, &TextBox::takeEditedText);
}

void TextBox::setText(const QString& text)
{
    if (text == m_text && text.isNull() == m_text.isNull())
        return;
    m_text = text;
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_setting = true;
    setPlainText(shown);
    m_setting = false;
}

void TextBox::takeEditedText()
{
    if (m_setting)
        return;
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    m_text = text;
    Q_EMIT textEdited(m_text);
}

void TextBox::setTextColour(const QColor& colour)
{
    if (textColour() == colour)
        return;
    // A disabled box keeps the grey of disabled text.
    QPalette p = palette();
    p.setColor(QPalette::Active, QPalette::Text, colour);
    p.setColor(QPalette::Inactive, QPalette::Text, colour);
    setPalette(p);
}

QColor TextBox::textColour() const
{
    return palette().color(QPalette::Active, QPalette::Text);
}
