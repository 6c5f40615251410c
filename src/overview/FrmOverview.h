#pragma once

#include "overview/CargoOverview.h"

#include <QWidget>

#include <optional>

class CommonDialog;
class QGridLayout;
class QLabel;
class QScrollArea;
class QVBoxLayout;
class Store;

// The cargo overview: on one read-only page, what each source holds about one cargo, a section for each
// under its heading that says how the source's entry was matched and under what name, or that it holds
// nothing. Long texts wrap and the page scrolls; a Unitor topic opens in the help viewer. The page is
// printed on the program's printer or written to a PDF file as the overview's sheet.
class FrmOverview : public QWidget {
    Q_OBJECT
public:
    static inline const QString Title = CargoOverview::Title;

    explicit FrmOverview(const Store& store, QWidget* parent = nullptr);

    // A new window placed on the screen, showing no cargo yet.
    static FrmOverview* open(const Store& store);

    // Reads every source afresh and shows what each holds about the cargo, by its name as any source
    // spells it. A database that cannot be read is told, and the page is left as it was.
    void showCargo(const QString& cargo);

private:
    void buildControls();
    void showSection(const OverviewSection& section, const QString& cargo);
    void addTexts(QGridLayout* grid, const OverviewSection& section, const QString& key);
    // Shows each line in the label as a link that opens its topic; the first line's topic is at `first`.
    void showLinks(QLabel* label, const QStringList& lines, int first, const QList<ManualTopic>& topics);
    void clearSections();
    // The overview's sheet, with the notice under its title where the databases are samples.
    Sheet printedSheet() const;
    void print();
    void exportPdf();

    const Store& m_store;
    std::optional<CargoOverview> m_overview;
    CommonDialog* m_help;
    QLabel* m_cargo;
    QLabel* m_notice;
    QScrollArea* m_scroll;
    QWidget* m_page;
    QVBoxLayout* m_sections;
    QLabel* m_status;
    QList<QLabel*> m_titles; // the titles of the texts shown
    QList<QWidget*> m_outputButtons;
};
