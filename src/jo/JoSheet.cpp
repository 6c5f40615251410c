#include "jo/JoSheet.h"

#include "data/RecordSet.h"
#include "jo/ProductAdvice.h"

#include <QHash>

namespace {

using Kind = SheetItem::Kind;

// Two columns of caption, value and unit, rows 360 twips apart.
constexpr int Column = 5600;
constexpr int CaptionWidth = 2100;
// The values of the right-hand column stand close to their units.
constexpr int ValueWidths[]{3300, 1300};
constexpr int RowHeight = 300;
constexpr int FirstRow = 840;
constexpr int RowStep = 360;

QRect caption(int column, int row)
{
    return {column * Column, FirstRow + row * RowStep, CaptionWidth, RowHeight};
}

QRect value(int column, int row)
{
    return {column * Column + CaptionWidth, FirstRow + row * RowStep, ValueWidths[column], RowHeight};
}

QRect unit(int column, int row)
{
    return {column * Column + CaptionWidth + ValueWidths[column] + 50, FirstRow + row * RowStep, 650,
            RowHeight};
}

// The page as laid out: captions, the values copied from the Jo Tankers tab, the coatings frame and the
// two text boxes, in twips.
const QList<Placed>& layout()
{
    static const QList<Placed> items{
        {Kind::Caption, "", "Cargo Name:", {0, 0, CaptionWidth, RowHeight}},
        {Kind::Value, "lblCargoNameJo", "", {CaptionWidth, 0, 10800 - CaptionWidth, RowHeight}},
        {Kind::Caption, "", "Synonims:", {0, 360, CaptionWidth, RowHeight}},
        {Kind::Value, "lblSynJo", "", {CaptionWidth, 360, 10800 - CaptionWidth, RowHeight}},

        {Kind::Caption, "", "United Number:", caption(0, 0)},
        {Kind::Value, "lblUNJo", "", value(0, 0)},
        {Kind::Caption, "", "USCG Number:", caption(0, 1)},
        {Kind::Value, "lblUSCGJo", "", value(0, 1)},
        {Kind::Caption, "", "CAS Number:", caption(0, 2)},
        {Kind::Value, "lblCASJo", "", value(0, 2)},
        {Kind::Caption, "", "IMO Chapter:", caption(0, 3)},
        {Kind::Value, "lblIMOChJo", "", value(0, 3)},
        {Kind::Caption, "", "IMO Code:", caption(0, 4)},
        {Kind::Value, "lblIMOCoJo", "", value(0, 4)},
        {Kind::Caption, "", "IMO Type:", caption(0, 5)},
        {Kind::Value, "lblIMOTyJo", "", value(0, 5)},
        {Kind::Caption, "", "MARPOL Cat:", caption(0, 6)},
        {Kind::Value, "lblMarJo", "", value(0, 6)},
        {Kind::Caption, "", "Specific Gravity:", caption(0, 7)},
        {Kind::Value, "lblSGJo", "", value(0, 7)},
        {Kind::Caption, "", "Viscosity:", caption(0, 8)},
        {Kind::Value, "lblVisJo", "", value(0, 8)},

        {Kind::Caption, "", "Boiling Point:", caption(1, 0)},
        {Kind::Value, "lblBPJo", "", value(1, 0)},
        {Kind::Caption, "", "deg.C", unit(1, 0)},
        {Kind::Caption, "", "Melting Point:", caption(1, 1)},
        {Kind::Value, "lblMPJo", "", value(1, 1)},
        {Kind::Caption, "", "deg.C", unit(1, 1)},
        {Kind::Caption, "", "Flash Point:", caption(1, 2)},
        {Kind::Value, "lblFPJo", "", value(1, 2)},
        {Kind::Caption, "", "deg.C", unit(1, 2)},
        {Kind::Caption, "", "Heat Req. Voyage:", caption(1, 3)},
        {Kind::Value, "lblHeatVJo", "", value(1, 3)},
        {Kind::Caption, "", "deg.C", unit(1, 3)},
        {Kind::Caption, "", "Heat Req. Disch:", caption(1, 4)},
        {Kind::Value, "lblHeatDJo", "", value(1, 4)},
        {Kind::Caption, "", "deg.C", unit(1, 4)},
        {Kind::Caption, "", "Maximum Adj.", caption(1, 5)},
        {Kind::Value, "lblAdjJo", "", value(1, 5)},
        {Kind::Caption, "", "deg.C", unit(1, 5)},
        {Kind::Caption, "", "External Heating", caption(1, 6)},
        {Kind::Value, "lblExtJo", "", value(1, 6)},
        {Kind::Caption, "", "deg.C", unit(1, 6)},
        {Kind::Caption, "", "Nitrogen", caption(1, 7)},
        {Kind::Value, "lblN2Jo", "", value(1, 7)},

        {Kind::Frame, "", "Tank Coatings", {0, 4200, 10800, 600}},
        {Kind::Caption, "", "Stainless Steel", {120, 4440, 1700, RowHeight}},
        {Kind::Value, "lblSSJo", "", {1820, 4440, 1600, RowHeight}},
        {Kind::Caption, "", "Epoxy", {3720, 4440, 1000, RowHeight}},
        {Kind::Value, "lblEpoJo", "", {4720, 4440, 1600, RowHeight}},
        {Kind::Caption, "", "Zinc", {7320, 4440, 1000, RowHeight}},
        {Kind::Value, "lblZinkJo", "", {8320, 4440, 1600, RowHeight}},

        {Kind::TextBox, "txtRemarksJo", "", {0, 5040, 10800, 2400}},
        {Kind::TextBox, "txtMethodJo", "", {0, 7560, 10800, 2200}},
    };
    return items;
}

// The values, each copied from a control of the Jo Tankers tab, in the order they are filled.
const QList<std::pair<const char*, const char*>>& copiedValues()
{
    static const QList<std::pair<const char*, const char*>> values{
        {"lblCargoNameJo", "Text3"}, {"lblSynJo", "lblSynJo"},       {"lblUNJo", "lblUNJo"},
        {"lblUSCGJo", "lblUSCGJo"},  {"lblCASJo", "lblCasJo"},       {"lblIMOChJo", "lblIMO1JO"},
        {"lblIMOCoJo", "lblIMO2Jo"}, {"lblIMOTyJo", "lblIMO3Jo"},    {"lblMarJo", "lblMarpolJo"},
        {"lblSGJo", "lblSGJo"},      {"lblVisJo", "lblVisJo"},       {"lblBPJo", "lblBoilJo"},
        {"lblMPJo", "lblMeltJo"},    {"lblFPJo", "lblFlashJo"},      {"lblHeatVJo", "lblHVJo"},
        {"lblHeatDJo", "lblHDJo"},   {"lblAdjJo", "lblAdjJo"},       {"lblExtJo", "lblExtJo"},
        {"lblN2Jo", "lblNitroJo"},   {"lblSSJo", "lblSSJo"},         {"lblEpoJo", "lblEpoJo"},
        {"lblZinkJo", "lblZinkJo"},  {"txtMethodJo", "txtMethodJo"},
    };
    return values;
}

} // namespace

namespace JoSheet {

Sheet fill(const SourceTexts& mainWindow)
{
    // Until the first pick the tab's values lie under their covers, and the sheet has none.
    const bool picked = !mainWindow(QStringLiteral("Text3")).isEmpty();
    const SourceTexts shown = picked ? mainWindow : [](const QString&) {
        return QString();
    };
    Sheet sheet = Sheet::laidOut(Title, layout());
    sheet.subject = shown(QStringLiteral("Text3"));
    sheet.copy(copiedValues(), shown);
    sheet.setText(QStringLiteral("txtRemarksJo"),
                  QStringLiteral("Notes\r\n\r\n") + shown(QStringLiteral("txtRemarksJo")));
    return sheet;
}

Sheet ofProduct(const QString& name, const RecordSet& product, const QString& methodText)
{
    QHash<QString, QString> tab{{QStringLiteral("Text3"), name}, {QStringLiteral("txtMethodJo"), methodText}};
    for (const auto& [control, field] : productFieldControls())
        tab.insert(QLatin1String(control), product.value(QLatin1String(field)));
    return fill(sourceOf(tab));
}

} // namespace JoSheet
