#pragma once

#include <QMarginsF>
#include <QString>

class QPagedPaintDevice;
struct Sheet;

// Draws a sheet onto the pages of a printer or a PDF writer, as text that stays text.
namespace SheetPainter {

// The margins round a sheet on paper, in millimetres: half an inch, which every printer can reach.
inline constexpr QMarginsF Margins{12.7, 12.7, 12.7, 12.7};

// The sheet fills the printable width of the page, scaled down where the page is narrower than the
// sheet. Every text is wrapped whole within its width; a text that needs more room than its box was
// given makes the box grow and moves what stands below it down, onto further pages if need be, and a
// page breaks between lines, never through one; each page of a sheet that needs more than one names the
// sheet's subject and says "page n of m" at its foot, or at the head of every page where the sheet asks
// for headed pages. False, with the reason, when the device cannot be
// painted on.
bool paint(const Sheet& sheet, QPagedPaintDevice& device, QString* error);

} // namespace SheetPainter
