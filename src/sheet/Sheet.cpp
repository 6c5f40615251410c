#include "sheet/Sheet.h"

#include <QRegularExpression>

namespace {
constexpr int TitleHeight = 420;
constexpr int TitleGap = 180;
constexpr int NoticeHeight = 420;
} // namespace

SourceTexts sourceOf(QHash<QString, QString> texts)
{
    return [texts = std::move(texts)](const QString& control) {
        return texts.value(control);
    };
}

SourceTexts onceChosen(const SourceTexts& adviser, const QString& holder)
{
    if (!adviser(holder).isEmpty())
        return adviser;
    return [](const QString&) {
        return QString();
    };
}

SheetFiller withNotice(SheetFiller filler, const QString& notice)
{
    if (notice.isEmpty())
        return filler;
    return [filler = std::move(filler), notice](const SourceTexts& adviser) {
        Sheet sheet = filler(adviser);
        sheet.addNotice(notice);
        return sheet;
    };
}

Sheet Sheet::laidOut(const QString& title, const QList<Placed>& layout)
{
    QRect bounds;
    for (const Placed& placed : layout)
        bounds |= placed.twips;
    Sheet sheet{
        title, {}, {bounds.x() + bounds.width(), TitleHeight + TitleGap + bounds.y() + bounds.height()}, {}};
    sheet.items << SheetItem{SheetItem::Kind::Title, {}, title, {0, 0, sheet.twips.width(), TitleHeight}};
    for (const Placed& placed : layout)
        sheet.items << SheetItem{placed.kind, QLatin1String(placed.name), QLatin1String(placed.text),
                                 placed.twips.translated(0, TitleHeight + TitleGap)};
    return sheet;
}

QString Sheet::text(const QString& name) const
{
    for (const SheetItem& item : items) {
        if (item.name == name)
            return item.text;
    }
    return {};
}

void Sheet::setText(const QString& name, const QString& text)
{
    for (SheetItem& item : items) {
        if (item.name == name)
            item.text = text;
    }
}

void Sheet::addNotice(const QString& text)
{
    qsizetype under = 0;
    while (under < items.size() && items[under].kind == SheetItem::Kind::Title)
        ++under;
    const int top = under > 0 ? items[under - 1].twips.bottom() + 1 : 0;
    for (qsizetype index = under; index < items.size(); ++index)
        items[index].twips.translate(0, NoticeHeight);
    items.insert(
        under,
        {SheetItem::Kind::Title, QStringLiteral("lblNotice"), text, {0, top, twips.width(), NoticeHeight}});
    twips.rheight() += NoticeHeight;
}

void Sheet::copy(const QList<std::pair<const char*, const char*>>& controls, const SourceTexts& source)
{
    for (const auto& [shown, copied] : controls)
        setText(QLatin1String(shown), source(QLatin1String(copied)));
}

QString Sheet::pdfFileName() const
{
    QString name =
        subject.simplified().isEmpty() ? title : subject.simplified() + QStringLiteral(" - ") + title;
    static const QRegularExpression refused(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    name.replace(refused, QStringLiteral("-"));
    return name + QStringLiteral(".pdf");
}
