#include "adviser/TavroSheet.h"

#include "adviser/CargoAdvice.h"
#include "data/RecordSet.h"

#include <QHash>

namespace {

using Kind = SheetItem::Kind;

// Three columns of caption and value (and unit), rows 360 twips apart.
constexpr int Column = 3600;
constexpr int CaptionWidth = 1900;
constexpr int ValueWidth = 1000;
constexpr int RowHeight = 300;

QRect caption(int column, int y, int width = CaptionWidth)
{
    return {column * Column, y, width, RowHeight};
}

QRect value(int column, int y, int width = ValueWidth)
{
    return {column * Column + CaptionWidth, y, width, RowHeight};
}

QRect unit(int column, int y)
{
    return {column * Column + CaptionWidth + ValueWidth + 50, y, 650, RowHeight};
}

// The page as laid out: captions, the values copied from the main window, the frames and the five text
// boxes, in twips.
const QList<Placed>& layout()
{
    static const QList<Placed> items{
        {Kind::Caption, "", "ID Number:", caption(0, 0)},
        {Kind::Value, "lblID", "", value(0, 0, 1500)},
        {Kind::Caption, "", "Abbreviated Cargo Name:", {Column, 0, 2500, RowHeight}},
        {Kind::Value, "lblAbbr", "", {Column + 2500, 0, 10800 - Column - 2500, RowHeight}},
        {Kind::Caption, "", "Full Cargo Name:", caption(0, 360)},
        {Kind::Value, "lblFull", "", value(0, 360, 10800 - CaptionWidth)},
        {Kind::Caption, "", "Cleaning Code:", caption(0, 720)},
        {Kind::Value, "lblCode", "", value(0, 720, 2900)},
        {Kind::Value, "lblTemp", "", {4900, 720, 500, RowHeight}},
        {Kind::Value, "lblNote", "", {5500, 720, 1500, RowHeight}},
        {Kind::Caption, "", "United Number:", caption(2, 720)},
        {Kind::Value, "lblUN", "", value(2, 720, 1700)},
        {Kind::Caption, "", "Pollution Category:", caption(0, 1080)},
        {Kind::Value, "lblPol", "", value(0, 1080, 1600)},
        {Kind::Caption, "", "USCG Compat. :", caption(1, 1080)},
        {Kind::Value, "lblUSCG", "", value(1, 1080, 1600)},
        {Kind::Caption, "", "Compliance:", caption(2, 1080)},
        {Kind::Value, "lblCompliance", "", value(2, 1080, 1700)},

        {Kind::Caption, "", "Specific Gravity:", caption(0, 1560)},
        {Kind::Value, "lblSG", "", value(0, 1560, 1600)},
        {Kind::Caption, "", "at temp", caption(1, 1560)},
        {Kind::Value, "lblTemp1", "", value(1, 1560)},
        {Kind::Caption, "", "deg.C", unit(1, 1560)},
        {Kind::Caption, "", "Correction Factor :", caption(2, 1560)},
        {Kind::Value, "lblCorr", "", value(2, 1560, 1700)},
        {Kind::Caption, "", "Color:", caption(0, 1920)},
        {Kind::Value, "lblColor", "", value(0, 1920, 1600)},
        {Kind::Caption, "", "Boiling Point:", caption(0, 2280)},
        {Kind::Value, "lblBP", "", value(0, 2280)},
        {Kind::Caption, "", "deg.C", unit(0, 2280)},
        {Kind::Caption, "", "Melting Point:", caption(1, 2280)},
        {Kind::Value, "lblMP", "", value(1, 2280)},
        {Kind::Caption, "", "deg.C", unit(1, 2280)},
        {Kind::Caption, "", "Flash Point:", caption(2, 2280)},
        {Kind::Value, "lblFP", "", value(2, 2280)},
        {Kind::Caption, "", "deg.C", unit(2, 2280)},
        {Kind::Caption, "", "Heat Adj.:", caption(0, 2640)},
        {Kind::Value, "lblHeatA", "", value(0, 2640)},
        {Kind::Caption, "", "deg.C", unit(0, 2640)},
        {Kind::Caption, "", "Heat Req. Voyage:", caption(1, 2640)},
        {Kind::Value, "lblHeatV", "", value(1, 2640)},
        {Kind::Caption, "", "deg.C", unit(1, 2640)},
        {Kind::Caption, "", "Heat Req. Disch:", caption(2, 2640)},
        {Kind::Value, "lblHeatD", "", value(2, 2640)},
        {Kind::Caption, "", "deg.C", unit(2, 2640)},
        {Kind::Caption, "", "Ship Type:", caption(0, 3000)},
        {Kind::Value, "lblShip", "", value(0, 3000, 1600)},
        {Kind::Caption, "", "Tank Type:", caption(1, 3000)},
        {Kind::Value, "lblTank", "", value(1, 3000, 1600)},
        {Kind::Caption, "", "Solubility :", caption(2, 3000)},
        {Kind::Value, "lblSol", "", value(2, 3000, 1700)},

        {Kind::Frame, "", "Tank Coatings", {0, 3480, 10800, 840}},
        {Kind::Caption, "", "Stainless", {120, 3740, 1500, RowHeight}},
        {Kind::Value, "lblSS", "", {120, 4000, 1400, RowHeight}},
        {Kind::Caption, "", "Mild Steel", {1640, 3740, 1500, RowHeight}},
        {Kind::Value, "lblMS", "", {1640, 4000, 1400, RowHeight}},
        {Kind::Caption, "", "Z-11", {3160, 3740, 1500, RowHeight}},
        {Kind::Value, "lblZ", "", {3160, 4000, 1400, RowHeight}},
        {Kind::Caption, "", "Phenoline 373", {4680, 3740, 1500, RowHeight}},
        {Kind::Value, "lblPheno", "", {4680, 4000, 1400, RowHeight}},
        {Kind::Caption, "", "Phenguard", {6200, 3740, 1500, RowHeight}},
        {Kind::Value, "lblPheng", "", {6200, 4000, 1400, RowHeight}},
        {Kind::Caption, "", "Camcote N", {7720, 3740, 1500, RowHeight}},
        {Kind::Value, "lblCamN", "", {7720, 4000, 1400, RowHeight}},
        {Kind::Caption, "", "Camcote EP", {9240, 3740, 1500, RowHeight}},
        {Kind::Value, "lblCamEP", "", {9240, 4000, 1400, RowHeight}},

        {Kind::Frame, "", "Cargo Group / Reactive:", {0, 4440, 6600, 660}},
        {Kind::Value, "Label38", "", {120, 4700, 6360, RowHeight}},
        {Kind::Frame, "", "IMDG Code:", {6800, 4440, 4000, 660}},
        {Kind::Value, "Label39", "", {6920, 4700, 3760, RowHeight}},

        {Kind::TextBox, "Text1", "", {0, 5280, 10800, 1500}},
        {Kind::TextBox, "Text2", "", {0, 6900, 10800, 800}},
        {Kind::TextBox, "Text3", "", {0, 7820, 10800, 1700}},
        {Kind::TextBox, "Text4", "", {0, 9640, 10800, 1200}},
        {Kind::TextBox, "Text5", "", {0, 10960, 10800, 1500}},
    };
    return items;
}

// The five text boxes: each its heading, a line break, and the text of a control of the main window.
const QList<std::tuple<const char*, const char*, const char*>>& textBoxes()
{
    static const QList<std::tuple<const char*, const char*, const char*>> boxes{
        {"Text1", "Cleaning Code : ", "txtCodeDisc"}, {"Text2", "Temperature Code : ", "txtTempDisc"},
        {"Text3", "Notes : ", "txtNoteDisc"},         {"Text4", "Personal Notes : ", "txtPerson"},
        {"Text5", "Remarks : ", "txtRemarks"},
    };
    return boxes;
}

// The values, each copied from a control of the main window, in the order they are filled.
const QList<std::pair<const char*, const char*>>& copiedValues()
{
    static const QList<std::pair<const char*, const char*>> values{
        {"lblID", "txtID"},         {"lblAbbr", "Text1"},
        {"lblFull", "lblFullName"}, {"lblCode", "txtCode"},
        {"lblTemp", "txtTemp"},     {"lblNote", "txtNotes"},
        {"lblUN", "txtUN"},         {"lblPol", "txtPol"},
        {"lblUSCG", "Text2"},       {"lblCompliance", "txtCompliance"},
        {"lblSG", "txtSG"},         {"lblTemp1", "txtTemp1"},
        {"lblCorr", "txtCorr"},     {"lblColor", "txtColour"},
        {"lblBP", "lblBoil"},       {"lblMP", "lblMelt"},
        {"lblFP", "lblFlush"},      {"lblHeatA", "lblHeat"},
        {"lblHeatV", "lblHeatV"},   {"lblHeatD", "lblVoyD"},
        {"lblShip", "lblShip"},     {"lblTank", "lblTank"},
        {"lblSol", "lblSolu"},      {"lblSS", "lblSS"},
        {"lblMS", "lblMS"},         {"lblZ", "lblZ"},
        {"lblPheno", "lblPheno"},   {"lblPheng", "lblPheng"},
        {"lblCamN", "lblCamN"},     {"lblCamEP", "lblCamEP"},
        {"Label38", "lblGr"},       {"Label39", "lblClass"},
    };
    return values;
}

} // namespace

namespace TavroSheet {

Sheet fill(const SourceTexts& mainWindow)
{
    // Until the first choice the tab's fields lie under their covers, and the sheet has no values.
    const bool chosen = !mainWindow(QStringLiteral("Text1")).isEmpty();
    const SourceTexts shown = chosen ? mainWindow : [](const QString&) {
        return QString();
    };
    Sheet sheet = Sheet::laidOut(Title, layout());
    sheet.subject = shown(QStringLiteral("Text1"));
    for (const auto& [box, heading, source] : textBoxes())
        sheet.setText(QLatin1String(box),
                      QLatin1String(heading) + QStringLiteral("\r\n") + shown(QLatin1String(source)));
    sheet.copy(copiedValues(), shown);
    // The cargo's own instructions are in the manual; the sheet leaves its cleaning code empty.
    if (shown(QStringLiteral("txtCode")) == QLatin1String("SEE MANUAL"))
        sheet.setText(QStringLiteral("lblCode"), QString());
    return sheet;
}

Sheet ofCargo(const QString& name, const RecordSet& cargo, const AdviceDisplay& advice)
{
    QHash<QString, QString> tab{
        {QStringLiteral("Text1"), name},
        {QStringLiteral("txtCodeDisc"), advice.cleaningText},
        {QStringLiteral("txtTempDisc"), advice.temperatureText},
        {QStringLiteral("txtNoteDisc"), advice.notesText},
        {QStringLiteral("lblGr"), advice.groupName},
        {QStringLiteral("lblClass"), advice.className},
    };
    for (const auto& [control, field] : cargoFieldControls())
        tab.insert(QLatin1String(control), cargo.value(QLatin1String(field)));
    return fill(sourceOf(tab));
}

} // namespace TavroSheet
