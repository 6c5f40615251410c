#include "adviser/CargoAdvice.h"

#include "adviser/UnitorCargoList.h"
#include "adviser/Vocabulary.h"
#include "data/RecordSet.h"

#include <QStringList>

namespace {

const QString SeeManual = QStringLiteral("SEE MANUAL");
const QString NotCarried = QStringLiteral("N/C");
const QString ContactOperator = QStringLiteral("CONTACT SHIP OPERATOR");

bool needsSpecialHandling(const QString& name)
{
    static const QStringList names{QStringLiteral("ACRYLONITRILE"), QStringLiteral("ACRYLIC ACID"),
                                   QStringLiteral("CAPROLACTAM PURE"), QStringLiteral("ALLYL ALCOHOL")};
    return names.contains(name);
}

} // namespace

const QList<std::pair<const char*, const char*>>& cargoFieldControls()
{
    static const QList<std::pair<const char*, const char*>> controls{
        {"lblFullName", "Full Name"},
        {"txtCode", "Cleaning Code"},
        {"txtTemp", "Water Temperature"},
        {"txtNotes", "Notes"},
        {"txtPerson", "Personal Notes"},
        {"txtID", "ID  Number"},
        {"txtUN", "United No"},
        {"txtPol", "Pollution Category"},
        {"Text2", "Compatability Chart No"},
        {"txtH1", "H1"},
        {"txtH2", "H2"},
        {"txtH3", "H3"},
        {"txtSG", "SG"},
        {"txtTemp1", "Temp"},
        {"txtCorr", "Corr"},
        {"txtColour", "Colour"},
        {"lblBoil", "Boil"},
        {"lblMelt", "Melt"},
        {"lblHeat", "Heat Adj"},
        {"lblFlush", "Flash"},
        {"lblSS", "SS"},
        {"lblMS", "MS"},
        {"lblZ", "Z"},
        {"lblPheno", "Phen"},
        {"lblPheng", "Peng"},
        {"lblCamN", "Camc N"},
        {"lblCamEP", "Camc E"},
        {"txtRemarks", "Remarks"},
        {"lblShip", "Ship Type"},
        {"lblTank", "Tank Type"},
        {"txtCompliance", "Compliance"},
        {"lblSolu", "Solubility"},
        {"lblHeatV", "Heat V"},
        {"lblVoyD", "Heat D"},
        {"lblCl", "CLASS"},
    };
    return controls;
}

CargoCodes CargoCodes::fromRecord(const QString& chosenName, const RecordSet& cargo)
{
    return {chosenName,
            cargo.value(QStringLiteral("Cleaning Code")),
            cargo.value(QStringLiteral("Water Temperature")),
            cargo.value(QStringLiteral("Notes")),
            cargo.value(QStringLiteral("Personal Notes")),
            cargo.value(QStringLiteral("Pollution Category")),
            cargo.value(QStringLiteral("Compatability Chart No")),
            cargo.value(QStringLiteral("CLASS"))};
}

void adviseCargo(const CargoCodes& cargo, AdviceDisplay& display,
                 const std::function<void(const AdviceDisplay&)>& contactOperator)
{
    const QString& code = cargo.cleaningCode;

    if (code != SeeManual)
        display.specialHandlingShown = false;
    if (needsSpecialHandling(cargo.name))
        display.specialHandlingShown = true;

    display.unitorShown = isUnitorCargo(cargo.name);

    Vocabulary::showDecoded(cargo.imdgClass, Vocabulary::imdgClassName(cargo.imdgClass), display.className);

    display.cleaningTextRed = code == NotCarried;
    if (display.cleaningTextRed)
        display.cleaningText = Vocabulary::notCarriedText();
    if (code == SeeManual) {
        display.specialHandlingShown = true;
        display.cleaningText = Vocabulary::specialInstructionsText();
        display.temperatureText.clear();
        display.notesText.clear();
    }
    if (code == ContactOperator || code.isEmpty())
        display.cleaningText.clear();
    if (code == ContactOperator && contactOperator)
        contactOperator(display);
    if (const std::optional<QString> text = Vocabulary::cleaningGroupText(code))
        display.cleaningText = *text;

    Vocabulary::showDecoded(cargo.waterTemperature, Vocabulary::temperatureText(cargo.waterTemperature),
                            display.temperatureText);
    Vocabulary::showDecoded(cargo.notes, Vocabulary::notesText(cargo.notes), display.notesText);

    display.personalNotesMarked = !cargo.personalNotes.isEmpty();

    const QString& pollution = cargo.pollutionCategory;
    if (pollution == QLatin1String("1") || pollution == QLatin1String("1*"))
        display.pollutionMarked = true;
    static const QStringList ordinaryCategories{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                                QStringLiteral("III")};
    if (pollution.isEmpty() || ordinaryCategories.contains(pollution))
        display.pollutionMarked = false;

    Vocabulary::showGroupName(cargo.groupNumber, display.groupName);
}
