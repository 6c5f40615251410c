#pragma once

#include "shell/CargoChoice.h"

class RecordSet;

// What the main window offers every other window: the cargo each adviser tab stands on, a pick in a tab's
// combo box, the tab in front, and the windows that open on the current cargo. The main window hands
// itself to the windows it opens as this; they read and act through it alone, never through its controls.
//
//     advisers.pick(Advisers::Tab::Tavro, QStringLiteral("ACETONE")); // as if typed into its combo box
//     advisers.bringToFront(Advisers::Tab::Tavro);
//     advisers.open(Advisers::Window::HazardData);
class Advisers {
public:
    // The tabs of the strip, in their order: the operator's data, Jo Tankers, Henkel (its oils).
    enum class Tab { Tavro, Jo, Henkel };
    // The windows that open on the current cargo, each as its menu entry opens it: one that needs what the
    // cargo lacks refuses with its message instead.
    enum class Window {
        Unitor,             // the Unitor adviser on the operator tab's cargo
        HazardData,         // the hazard ratings of the operator tab's cargo, when it has any
        CompatibilityChart, // the chart on the cargo of the tab in front, when the operator's has a group
        PersonalNotes,      // the officer's notes on the operator tab's cargo, when it has any
        CleaningCodeView,   // the view window with the cleaning code's text
        TemperatureView,    // the view window with the temperature code's text
        RemarksView,        // the view window with the remarks
        CargoOverview,      // every source's answer for the cargo of the tab in front, once one is chosen
    };

    virtual ~Advisers() = default;

    // The tab's choice, with the signal of its changes.
    virtual const CargoChoice& choice(Tab tab) const = 0;
    CurrentCargo currentCargo(Tab tab) const { return choice(tab).current(); }
    // The operator tab's records, standing on its current cargo; the editing windows work on a clone.
    virtual const RecordSet& cargoRecords() const = 0;

    virtual Tab tabInFront() const = 0;
    virtual void bringToFront(Tab tab) = 0;

    // Picks in the tab's combo box exactly as the officer would, whatever tab is in front (the pick leaves
    // it there): a name as if typed (the first record of that name; a name of none beeps and keeps the
    // record shown), or a row of its list as if clicked there (that very record, though others share its
    // name). A row outside the list picks nothing.
    virtual void pick(Tab tab, const QString& name) = 0;
    virtual void pick(Tab tab, int row) = 0;

    virtual void open(Window window) = 0;
    // The overview of every source's answer for a cargo, by its name as any source spells it; an open
    // overview turns to that cargo.
    virtual void openOverview(const QString& cargo) = 0;

    // Picks in the Henkel tab's list of additional products (DBComboH2) as if the name were typed there.
    virtual void pickAdditionalProduct(const QString& name) = 0;
    // Closes the window when it is open and opens it again as its menu entry does, so that it loads on the
    // cargo of this moment.
    virtual void reopen(Window window) = 0;
    // The Unitor adviser, as it is when open, with a cargo to load picked in its list.
    virtual void openUnitorToLoad(const QString& cargoToLoad) = 0;
    // Cleaning Mediums with a mixture picked in its list.
    virtual void openMixture(const QString& mixture) = 0;
};
