#include "adviser/PersonalA.h"

#include "shell/Controls.h"
#include "shell/TextBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QSize WindowTwips{7500, 5100};
const QSize SmallestTwips{5400, 3000};
constexpr int NotesFontTwips = 195; // 9.75 point, for reading and writing at length
constexpr int MarginTwips = 120;

} // namespace

PersonalA::PersonalA()
    : CargoEditor(QStringLiteral("PersonalA"))
{
    setWindowTitle(QStringLiteral("Personal Notes"));

    auto* notes = new TextBox(this);
    notes->setObjectName(QStringLiteral("txtFields"));
    notes->setTabChangesFocus(true); // Enter starts a new line; Tab moves on, as in the other fields
    bindEdited(notes, QStringLiteral("Personal Notes"));

    auto* buttons = new QWidget(this);
    buttons->setObjectName(QStringLiteral("picButtons"));
    auto* strip = new QHBoxLayout(buttons);
    strip->addStretch();
    for (QPushButton* button : {updateButton(), closeButton()}) {
        button->setParent(buttons);
        strip->addWidget(button);
    }

    auto* page = new QGridLayout(this);
    page->addWidget(Controls::caption(this, QStringLiteral("ID  Number:"), QStringLiteral("Label1")), 0, 0);
    page->addWidget(boundField(QStringLiteral("txtID"), QStringLiteral("ID  Number"), true), 0, 1);
    page->addWidget(Controls::caption(this, QStringLiteral("Abbreviated Name:"), QStringLiteral("Label2")), 0,
                    2);
    page->addWidget(boundField(QStringLiteral("txtAbbr"), QStringLiteral("Abbreviated Name"), true), 0, 3);
    page->addWidget(Controls::caption(this, QStringLiteral("Personal Notes:"), QStringLiteral("Label3")), 1,
                    0, 1, 4);
    page->addWidget(notes, 2, 0, 1, 4);
    page->addWidget(buttons, 3, 0, 1, 4);
    page->setColumnStretch(1, 1);
    page->setColumnStretch(3, 3);
    page->setRowStretch(2, 1);

    fitScreen(WindowTwips);
    const int margin = scale().pixels(MarginTwips);
    page->setContentsMargins(margin, margin, margin, 0);
    strip->setContentsMargins(0, margin, 0, margin);
    QFont notesFont = font();
    notesFont.setPixelSize(std::max(scale().pixels(NotesFontTwips), 1));
    notes->setFont(notesFont);
    setMinimumSize(scale().size(SmallestTwips));
    notes->setFocus();
}
