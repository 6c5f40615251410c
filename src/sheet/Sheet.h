#pragma once

#include <QHash>
#include <QList>
#include <QRect>
#include <QString>

#include <functional>

// One control of a printed sheet: what it holds and where it stands, in twips (1/1440 inch) from the top
// left corner of the printable area.
struct SheetItem {
    enum class Kind {
        Title,   // a line across the top: the sheet's title, and a notice under it
        Caption, // a fixed caption
        Value,   // a value copied from the adviser
        TextBox, // a framed text of several lines
        Frame,   // a titled frame round other items
    };

    Kind kind;
    QString name; // the control's objectName; empty for a caption or frame that has none
    QString text; // the caption, the value, the box's text or the frame's title
    QRect twips;
};

// The texts of an adviser's controls, by objectName.
using SourceTexts = std::function<QString(const QString& control)>;

// The texts a hash holds; nothing for a control it does not hold.
SourceTexts sourceOf(QHash<QString, QString> texts);
// The adviser's texts once a name has been chosen, that is once its holder of the chosen name is not
// empty; before that none at all, for its fields lie under their covers.
SourceTexts onceChosen(const SourceTexts& adviser, const QString& holder);

struct Sheet;
// A sheet filled from the texts of an adviser.
using SheetFiller = std::function<Sheet(const SourceTexts& adviser)>;
// The sheets of the filler with the notice under their titles; the filler itself for no notice.
SheetFiller withNotice(SheetFiller filler, const QString& notice);

// A control as a sheet's layout table gives it.
struct Placed {
    SheetItem::Kind kind;
    const char* name;
    const char* text;
    QRect twips;
};

// A printed advice sheet as text and positions, without widgets: the sheet windows show it as controls,
// SheetPainter draws it onto paper or into a PDF.
struct Sheet {
    // The title across the top, then the controls of the layout with their captions and without values;
    // the page is as large as they need.
    static Sheet laidOut(const QString& title, const QList<Placed>& layout);

    QString title;
    QString subject; // the cargo or product the sheet is about
    QSize twips;     // the page as laid out
    QList<SheetItem> items;
    // Each page, even a single one, is headed with the subject and "page n of m"; otherwise only the pages
    // of a sheet of several say so, at their foot.
    bool headedPages = false;

    // The text of the item of that objectName; empty when there is none.
    QString text(const QString& name) const;
    void setText(const QString& name, const QString& text);
    // Puts a line under the title, lblNotice, for what the reader must know before he reads on, and moves
    // the rest down.
    void addNotice(const QString& text);
    // Copies texts of the source's controls: each pair is the sheet's control and the source's.
    void copy(const QList<std::pair<const char*, const char*>>& controls, const SourceTexts& source);
    // A file name for the sheet as a PDF, "SUBJECT - Title.pdf", without characters that file systems
    // refuse or that separate folders.
    QString pdfFileName() const;
};
