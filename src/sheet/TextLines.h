#pragma once

#include <QFont>
#include <QList>
#include <QString>

class QPaintDevice;
class QPainter;
class QPointF;

// A text broken into lines of a given width as a text layout breaks it: at its stored line breaks, at word
// boundaries, and a word longer than a line anywhere. A text layout handed the whole of a long word looks
// ahead to the word's end for every line it makes, so that its time grows with the square of the word's
// length; here each line is found in a window of the text a few lines long, and the time grows with the
// text's length alone.
class TextLines {
public:
    struct Line {
        qsizetype start;
        qsizetype length;
    };

    // Breaks the text into lines, but stops once it has made more than mostLines: see isComplete().
    TextLines(QString text, const QFont& font, QPaintDevice* device, int width, qsizetype mostLines);

    const QList<Line>& lines() const { return m_lines; }
    // False when the text needs more lines than it was allowed.
    bool isComplete() const { return m_complete; }

    // Draws one line with its top left corner at the point, or centred in the width.
    void draw(QPainter& painter, qsizetype line, const QPointF& topLeft, bool centred) const;

private:
    void breakParagraph(qsizetype begin, qsizetype end, qsizetype mostLines);

    QString m_text;
    QFont m_font;
    QPaintDevice* m_device;
    int m_width;
    qsizetype m_window; // how many characters a line is looked for in; grows when a line needs more
    QList<Line> m_lines;
    bool m_complete = true;
};
