#pragma once

#include "sheet/Sheet.h"

#include <QHash>
#include <QWidget>

// A printed sheet as a window, laid out as the page and never shown on screen: each control of the
// sheet stands at its place with its objectName and its text, so that other windows read it as they read
// any window. What is printed is the sheet itself, drawn onto the page with every text whole.
class SheetWindow : public QWidget {
    Q_OBJECT
public:
    // The sheet filled from the texts of the controls of the adviser it prints.
    using Filler = std::function<Sheet(const SourceTexts&)>;

    SheetWindow(const QString& name, Filler filler, QWidget* parent = nullptr);

    // Centres the window on the screen and fills the sheet from the adviser.
    void load(const QWidget& adviser);
    // Fills the sheet afresh from the controls of the adviser, found by objectName.
    void fill(const QWidget& adviser);
    const Sheet& sheet() const { return m_sheet; }

private:
    Filler m_filler;
    Sheet m_sheet;
    QHash<QString, QWidget*> m_values;
};
