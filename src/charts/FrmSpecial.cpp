#include "charts/FrmSpecial.h"

#include "charts/SpecialCargoes.h"
#include "shell/Controls.h"
#include "shell/HelpRequest.h"
#include "shell/OptionButton.h"
#include "shell/Placement.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>

namespace {

const QColor DarkGreen{0, 64, 0};
const QColor White{255, 255, 255};

const QSize WindowTwips{4575, 4935};

// The cargoes stand in one column; "Isocyanates " leaves room for its kinds beside it, and the last
// cargo for the "Show" button.
QRect optionTwips(int index, const QString& name)
{
    const int width = name == QLatin1String("Option7")    ? 1200
                      : name == QLatin1String("Option13") ? 2160
                                                          : 4335;
    return {120, 120 + index * 360, width, 255};
}

const QRect KindTwips[]{{1320, 2280, 480, 255}, {1800, 2280, 600, 255}, {2400, 2280, 615, 255}};

} // namespace

FrmSpecial::FrmSpecial(QWidget* parent)
    : QWidget(parent)
    , m_layout(this, WindowTwips)
    , m_help(new CommonDialog(QStringLiteral("diaB"), this))
{
    setObjectName(QStringLiteral("frmSpecial"));
    setWindowTitle(Title);
    // The options and the isocyanate kinds show white on the window's dark green.
    Controls::setColours(this, DarkGreen, White);
    buildControls();
    setScale(m_layout.screenScale());
}

void FrmSpecial::buildControls()
{
    auto* group = new QButtonGroup(this);
    const QList<SpecialCargoes::Cargo>& cargoes = SpecialCargoes::cargoes();
    for (int index = 0; index < cargoes.size(); ++index) {
        auto* option = new OptionButton(cargoes[index].option, cargoes[index].caption, this);
        option->setToolTip(cargoes[index].toolTip);
        group->addButton(option);
        m_layout.placeWhole(option, optionTwips(index, cargoes[index].option));
        m_options << option;
    }
    int kind = 0;
    for (const SpecialCargoes::IsocyanateKind& isocyanate : SpecialCargoes::isocyanateKinds()) {
        QLabel* label = Controls::caption(this, isocyanate.caption, isocyanate.label);
        label->setToolTip(isocyanate.toolTip);
        m_layout.placeWhole(label, KindTwips[kind++]);
    }
    QPushButton* show = Controls::button(this, QStringLiteral("cmdShow"), QStringLiteral("Show"));
    m_layout.place(show, {2400, 4440, 1215, 375});
    connect(show, &QPushButton::clicked, this, &FrmSpecial::showTopic);
}

FrmSpecial* FrmSpecial::open()
{
    auto* window = new FrmSpecial;
    Placement::place(window, 2);
    window->m_options.first()->setChecked(true);
    window->m_options.first()->setFocus();
    return window;
}

void FrmSpecial::showTopic()
{
    const QList<SpecialCargoes::Cargo>& cargoes = SpecialCargoes::cargoes();
    for (int index = 0; index < m_options.size(); ++index) {
        if (m_options[index]->isChecked())
            m_help->requestTopic(SpecialCargoes::HelpFileName, cargoes[index].context);
    }
}
