#pragma once

#include "data/DataFolders.h"
#include "data/RecordSet.h"
#include "data/Result.h"
#include "sheet/Sheet.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The sources a cargo overview sets side by side, in the order it shows them.
enum class OverviewSource {
    Tavro,
    Jo,
    Unitor,
    Henkel,
    Compatibility,
};

// How an entry of a source was found to be the cargo. A UN number alone never is: products of different
// strength share one.
struct OverviewMatch {
    enum class By {
        Name,       // the very name
        Normalised, // the same name up to case, accents, blanks and punctuation
        Synonym,    // one name is a Jo Tankers synonym of the other
        FullName,   // one name is the Tavro full name of the other
    };
    QString name; // the entry's name exactly as its source stores it
    By by = By::Name;

    bool operator==(const OverviewMatch&) const = default;
};

// The key of a way of matching in scripts: "name", "normalised", "synonym", "full-name".
QString matchedByKey(OverviewMatch::By by);

// One titled text of a section: "Cleaning code" and what the code says.
struct TitledText {
    QString title;
    QString text;

    bool operator==(const TitledText&) const = default;
};

// A topic of a manual that a section points to, opened in the help viewer.
struct ManualTopic {
    QString title; // "Topic 1005" where the manual cannot be read
    QString file;  // the help file's name, "Unitor.hlp"
    int context = 0;
    QString loadingGroup; // "A" to "G": the topic for a next cargo of that loading group; empty for others

    bool operator==(const ManualTopic&) const = default;
};

// What one source holds about the cargo: the entry it holds under a matching name, or nothing.
struct OverviewSection {
    OverviewSource source = OverviewSource::Tavro;
    std::optional<OverviewMatch> match; // nothing: the source holds nothing for the cargo
    QList<TitledText> texts;            // the content, in the order shown; empty without a match
    QList<ManualTopic> topics;          // Unitor's topics, each a link into its manual
    // The entries of the source under the cargo's UN number that did not match it, by name: listed so
    // that the officer sees them, never shown as the cargo's advice.
    QStringList sameUn;
    // The matched record of Tavro, Jo Tankers or Henkel (an oil or an additional product).
    std::optional<RecordSet> record;

    bool holdsCargo() const { return match.has_value(); }
    // The source's heading: "Tavro", "Jo Tankers", "Unitor", "Henkel", "Compatibility".
    QString heading() const;
    // Its key in scripts: "tavro", "jo", "unitor", "henkel", "compatibility".
    QString key() const;
    // How it was matched ("Matched by its name as ACETONE."), or the one plain line that says the source
    // holds nothing for the cargo ("Jo Tankers holds nothing for ACETONE.").
    QString matchLine(const QString& cargo) const;
    // "same UN number: A, B"; empty when no other entry shares the number.
    QString sameUnLine() const;
};

// The compatibility chart's word on the cargo's USCG group.
struct CompatibilityFacts {
    QString group;            // the group number as the cargo's record holds it
    QString groupName;        // empty for a number that names no group
    QStringList incompatible; // the groups the chart marks in its row, "2 NON-OXIDIZING MINERAL ACIDS"
    QStringList exceptions;   // the published exceptions that name the cargo or its group, one a line
};

// Everything Velcarin holds about one cargo, a section for each source, so that the officer need not
// open three tabs, two windows and a chart and compare them by eye. Each source is matched on its own
// against the cargo's name (see OverviewMatch); a section never shows another product's advice.
//
//     const Result<CargoOverview> overview = CargoOverview::build(DataFolders::current(), name);
//     if (!overview)
//         return fail(overview.error());
//     for (const OverviewSection& section : overview->sections())
//         ...
class CargoOverview {
public:
    inline static const QString Title = QStringLiteral("Cargo Overview");

    // Reads the four databases of the data folder and the Unitor manual's topic titles; fails, naming the
    // file, when a database cannot be read. A manual that cannot be read only leaves its titles plain.
    static Result<CargoOverview> build(const DataFolders& folders, const QString& cargo);

    const QString& cargo() const { return m_cargo; }
    // Tavro, Jo Tankers, Unitor, Henkel, Compatibility, always all five.
    const QList<OverviewSection>& sections() const { return m_sections; }
    const OverviewSection& section(OverviewSource source) const;
    // Nothing when neither Tavro nor Jo Tankers gives the cargo a USCG group.
    const std::optional<CompatibilityFacts>& compatibility() const { return m_compatibility; }
    // Whether any source holds the cargo.
    bool holdsCargo() const;

    // The overview on paper: each section under its heading with every text whole, flowing over as many
    // pages as it needs, each page headed with the cargo's name and "page n of m".
    Sheet sheet() const;

private:
    QString m_cargo;
    QList<OverviewSection> m_sections;
    std::optional<CompatibilityFacts> m_compatibility;
};
