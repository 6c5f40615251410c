#include "adviser/FrmEdit.h"

#include "shell/Controls.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QSize WindowTwips{6120, 3600};
constexpr int FieldLeft = 2280;

struct FieldRow {
    const char* name;
    const char* field;
    const char* caption;
    int top;
    int width;
};

// In tab order: the six parameters first, then the locked names.
const FieldRow Parameters[]{
    {"txtUN", "United No", "United Number:", 1320, 1215},
    {"txtPol", "Pollution Category", "Pollution Category:", 1680, 1215},
    {"Text2", "Compatability Chart No", "USCG Number :", 2040, 1215},
};
const char* const Ratings[][2]{{"Text3", "H1"}, {"Text4", "H2"}, {"Text5", "H3"}};
constexpr int RatingsTop = 2400;
const FieldRow Names[]{
    {"txtAbbr", "Abbreviated Name", "Abbreviated Name:", 120, 3720},
    {"txtID", "ID  Number", "ID  Number:", 480, 1695},
    {"Text1", "Full Name", "Full Name:", 840, 3720},
};

} // namespace

FrmEdit::FrmEdit()
    : CargoEditor(QStringLiteral("frmEdit"))
{
    setWindowTitle(QStringLiteral("Edit Cargo Parameters"));

    int label = 0;
    const auto addCaption = [this, &label](const char* text, int top) {
        QLabel* caption =
            Controls::caption(this, QLatin1String(text), QStringLiteral("Label%1").arg(++label));
        place(caption, {120, top + 30, FieldLeft - 240, 255});
    };
    QList<QWidget*> tabOrder;
    for (const FieldRow& row : Parameters) {
        addCaption(row.caption, row.top);
        QLineEdit* field = boundField(QLatin1String(row.name), QLatin1String(row.field), false);
        place(field, {FieldLeft, row.top, row.width, 315});
        tabOrder << field;
    }
    addCaption("Health Hazard Ratings:", RatingsTop);
    int left = FieldLeft;
    for (const auto& [name, field] : Ratings) {
        QLineEdit* rating = boundField(QLatin1String(name), QLatin1String(field), false);
        place(rating, {left, RatingsTop, 555, 315});
        left += 600;
        tabOrder << rating;
    }
    for (QWidget* field : std::as_const(tabOrder))
        field->installEventFilter(this);
    tabOrder << closeButton();
    for (const FieldRow& row : Names) {
        addCaption(row.caption, row.top);
        QLineEdit* field = boundField(QLatin1String(row.name), QLatin1String(row.field), true);
        place(field, {FieldLeft, row.top, row.width, 315});
        tabOrder << field;
    }
    tabOrder << updateButton();
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
    tabOrder.first()->setFocus();

    place(updateButton(), {3240, 3000, 1335, 390});
    place(closeButton(), {4665, 3000, 1335, 390});
    fitScreen(WindowTwips);
    setFixedSize(size());
}

bool FrmEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return CargoEditor::eventFilter(watched, event);
}
