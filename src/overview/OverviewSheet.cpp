#include "overview/CargoOverview.h"

#include <QCoreApplication>

namespace {

using Kind = SheetItem::Kind;

// One column the width of the Tavro sheet; the titles of a section's texts beside them. Every item is
// given one line's height and grows to what its text needs when it is drawn, pushing what stands below.
constexpr int Width = 10800;
constexpr int TitleWidth = 2600;
constexpr int Gap = 120;
constexpr int LineHeight = 300;
constexpr int TitleHeight = 420;
constexpr int SectionGap = 240;

class SheetWriter {
public:
    explicit SheetWriter(Sheet& sheet)
        : m_sheet(sheet)
    {
    }

    void title(const QString& text)
    {
        add(Kind::Title, QStringLiteral("lblTitle"), text, 0, Width, TitleHeight);
        m_top += SectionGap;
    }
    void heading(const QString& name, const QString& text)
    {
        m_top += SectionGap;
        add(Kind::Value, name, text, 0, Width, LineHeight);
    }
    void line(const QString& name, const QString& text)
    {
        add(Kind::Caption, name, text, 0, Width, LineHeight);
    }
    void titled(const QString& name, const TitledText& text)
    {
        m_sheet.items << SheetItem{
            Kind::Value, name + QStringLiteral("Title"), text.title, {0, m_top, TitleWidth, LineHeight}};
        add(Kind::Caption, name, text.text, TitleWidth + Gap, Width - TitleWidth - Gap, LineHeight);
    }
    void finish() { m_sheet.twips = {Width, m_top}; }

private:
    void add(Kind kind, const QString& name, const QString& text, int left, int width, int height)
    {
        m_sheet.items << SheetItem{kind, name, text, {left, m_top, width, height}};
        m_top += height + Gap;
    }

    Sheet& m_sheet;
    int m_top = 0;
};

} // namespace

Sheet CargoOverview::sheet() const
{
    Sheet sheet;
    sheet.title = Title;
    sheet.subject = m_cargo;
    sheet.headedPages = true;
    SheetWriter writer(sheet);
    writer.title(QCoreApplication::translate("CargoOverview", "%1 of %2").arg(Title, m_cargo));
    for (const OverviewSection& section : m_sections) {
        const QString name = QStringLiteral("lbl") + section.heading().remove(u' ');
        writer.heading(name, section.heading());
        writer.line(name + QStringLiteral("Match"), section.matchLine(m_cargo));
        for (qsizetype index = 0; index < section.texts.size(); ++index)
            writer.titled(name + QString::number(index + 1), section.texts[index]);
        if (!section.sameUn.isEmpty())
            writer.line(name + QStringLiteral("SameUn"), section.sameUnLine());
    }
    writer.finish();
    return sheet;
}
