#include "overview/FrmOverview.h"

#include "data/DataFolders.h"
#include "data/SampleData.h"
#include "data/Store.h"
#include "sheet/SheetPainter.h"
#include "shell/Controls.h"
#include "shell/DefaultPrinter.h"
#include "shell/HelpRequest.h"
#include "shell/MessageBox.h"
#include "shell/Placement.h"
#include "shell/SheetExport.h"
#include "shell/SystemColour.h"

#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

// The control names of a section end in its source: "Tavro", "Jo", "Unitor", "Henkel", "Compatibility".
QString nameSuffix(const OverviewSection& section)
{
    QString key = section.key();
    key[0] = key.at(0).toUpper();
    return key;
}

QLabel* wrappedLabel(QWidget* parent, const QString& text, const QString& name)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void scaleFont(QWidget* widget, double factor, bool bold)
{
    QFont font = widget->font();
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    widget->setFont(font);
}

} // namespace

FrmOverview::FrmOverview(const Store& store, QWidget* parent)
    : QWidget(parent)
    , m_store(store)
    , m_help(new CommonDialog(QStringLiteral("diaOverview"), this))
{
    setObjectName(QStringLiteral("frmOverview"));
    setWindowTitle(Title);
    buildControls();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    // Room for the lines of the longest advice texts; the height leaves the frame on a small screen.
    resize(std::min(900, available.width() - 40), std::min(760, available.height() - 60));
}

void FrmOverview::buildControls()
{
    using namespace Controls;

    m_cargo = wrappedLabel(this, QString(), QStringLiteral("lblCargo"));
    scaleFont(m_cargo, 1.5, true);
    m_notice = notice(this, QStringLiteral("lblNotice"));
    const QStringList samples = SampleData::samplesIn(m_store);
    if (!samples.isEmpty()) {
        // Sample data must never pass for advice.
        m_notice->setText(tr("%1: %2").arg(SampleData::notice(), samples.join(QLatin1String(", "))));
        setColours(m_notice, Marks::LightOrange, Qt::black);
        m_notice->show();
    }

    m_page = new QWidget;
    m_page->setObjectName(QStringLiteral("pagOverview"));
    m_sections = new QVBoxLayout(m_page);
    m_sections->setSpacing(12);
    m_sections->addStretch();
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scrOverview"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setWidget(m_page);

    m_status = wrappedLabel(this, QString(), QStringLiteral("lblStatus"));
    QPushButton* print = button(this, QStringLiteral("cmdPrint"), tr("&Print"));
    QPushButton* pdf = button(this, QStringLiteral("cmdExportPdf"), tr("Export as P&DF…"));
    QPushButton* close = button(this, QStringLiteral("cmdClose"), tr("&Close"));
    m_outputButtons = {print, pdf};
    for (QWidget* output : std::as_const(m_outputButtons))
        output->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_status, 1);
    buttons->addWidget(print);
    buttons->addWidget(pdf);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_cargo);
    layout->addWidget(m_notice);
    layout->addWidget(m_scroll, 1);
    layout->addLayout(buttons);

    connect(print, &QPushButton::clicked, this, &FrmOverview::print);
    connect(pdf, &QPushButton::clicked, this, &FrmOverview::exportPdf);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

FrmOverview* FrmOverview::open(const Store& store)
{
    auto* window = new FrmOverview(store);
    Placement::place(window, 2);
    return window;
}

void FrmOverview::showCargo(const QString& cargo)
{
    // The databases are the store's; manuals are looked for beside them, then among the shipped files.
    const DataFolders current = DataFolders::current();
    const DataFolders folders(m_store.dataDir(), current.shippedFolder(), current.isOfficersFolder());
    Result<CargoOverview> overview = CargoOverview::build(folders, cargo);
    if (!overview) {
        MessageBox::error(this, tr("The overview of %1 cannot be shown.\n\n%2").arg(cargo, overview.error()),
                          Title);
        return;
    }
    m_overview = std::move(*overview);
    clearSections();
    m_cargo->setText(m_overview->cargo());
    m_status->clear();
    m_titles.clear();
    for (const OverviewSection& section : m_overview->sections())
        showSection(section, m_overview->cargo());
    // The texts of every section start in one column.
    int titleWidth = 0;
    for (const QLabel* title : std::as_const(m_titles))
        titleWidth = std::max(titleWidth, title->sizeHint().width());
    for (QLabel* title : std::as_const(m_titles))
        title->setMinimumWidth(titleWidth);
    for (QWidget* output : std::as_const(m_outputButtons))
        output->setEnabled(true);
    m_scroll->verticalScrollBar()->setValue(0);
}

void FrmOverview::clearSections()
{
    // Everything but the closing stretch.
    while (m_sections->count() > 1) {
        QLayoutItem* item = m_sections->takeAt(0);
        delete item->widget();
        delete item;
    }
}

void FrmOverview::showSection(const OverviewSection& section, const QString& cargo)
{
    const QString key = nameSuffix(section);
    auto* frame = new QFrame(m_page);
    frame->setObjectName(QStringLiteral("fra") + key);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    frame->setAutoFillBackground(true);
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(12);

    QLabel* heading = wrappedLabel(frame, section.heading(), QStringLiteral("lblSource") + key);
    scaleFont(heading, 1.3, true);
    grid->addWidget(heading, 0, 0, 1, 2);
    // Under the heading, whose entry this is; or, for a source without one, the plain line saying so.
    QLabel* match = wrappedLabel(frame, section.matchLine(cargo), QStringLiteral("lblMatch") + key);
    QFont italic = match->font();
    italic.setItalic(true);
    match->setFont(italic);
    grid->addWidget(match, 1, 0, 1, 2);

    addTexts(grid, section, key);
    if (const QString sameUn = section.sameUnLine(); !sameUn.isEmpty()) {
        // Other products under the same UN number are named apart from the advice, never as it.
        QLabel* others = wrappedLabel(frame, sameUn, QStringLiteral("lblSameUn") + key);
        others->setFont(italic);
        others->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        others->setMargin(4);
        grid->addWidget(others, grid->rowCount(), 0, 1, 2);
    }
    m_sections->insertWidget(m_sections->count() - 1, frame);
}

void FrmOverview::addTexts(QGridLayout* grid, const OverviewSection& section, const QString& key)
{
    // A section that points into a manual names its topics in its texts, one a line and in their order:
    // there each line is a link that opens its topic. Texts that do not are shown as they are.
    qsizetype lines = 0;
    for (const TitledText& text : section.texts)
        lines += text.text.split(u'\n').size();
    const bool linked = !section.topics.isEmpty() && lines == section.topics.size();
    int topic = 0;
    for (int index = 0; index < section.texts.size(); ++index) {
        const TitledText& text = section.texts.at(index);
        const QString number = QString::number(index + 1);
        QLabel* title =
            wrappedLabel(grid->parentWidget(), text.title, QStringLiteral("lblTitle%1%2").arg(key, number));
        title->setWordWrap(false);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        m_titles << title;
        QLabel* value =
            wrappedLabel(grid->parentWidget(), text.text, QStringLiteral("lblText%1%2").arg(key, number));
        if (linked) {
            const QStringList lines = text.text.split(u'\n');
            showLinks(value, lines, topic, section.topics);
            topic += lines.size();
        }
        const int row = grid->rowCount();
        grid->addWidget(title, row, 0);
        grid->addWidget(value, row, 1);
    }
}

void FrmOverview::showLinks(QLabel* label, const QStringList& lines, int first,
                            const QList<ManualTopic>& topics)
{
    // A paragraph for each link, a little apart, so that where one long title ends and the next begins shows.
    QString html;
    for (int index = 0; index < lines.size(); ++index)
        html += QStringLiteral("<p style=\"margin-bottom: 4px\"><a href=\"%1\">%2</a></p>")
                    .arg(first + index)
                    .arg(lines.at(index).toHtmlEscaped());
    label->setTextFormat(Qt::RichText);
    label->setText(html);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    label->setToolTip(tr("Opens the topic in the help viewer"));
    connect(label, &QLabel::linkActivated, this, [this, topics](const QString& link) {
        const ManualTopic& topic = topics.at(link.toInt());
        m_help->requestTopic(topic.file, topic.context);
    });
}

// Print and export are offered once a cargo is shown.
Sheet FrmOverview::printedSheet() const
{
    Sheet sheet = m_overview->sheet();
    // Sample data must never pass for advice, on paper either.
    if (!m_notice->isHidden())
        sheet.addNotice(SampleData::notice());
    return sheet;
}

void FrmOverview::print()
{
    const Sheet sheet = printedSheet();
    std::unique_ptr<QPrinter> printer = DefaultPrinter::open(sheet.title);
    if (!printer) {
        if (MessageBox::yesNo(this,
                              tr("No printer is installed on this computer, so the overview of %1 cannot be "
                                 "printed.\n\nSave it as a PDF file instead?")
                                  .arg(m_overview->cargo()),
                              Title) == QMessageBox::Yes)
            exportPdf();
        return;
    }
    QString error;
    if (!SheetPainter::paint(sheet, *printer, &error) || printer->printerState() == QPrinter::Error)
        MessageBox::error(
            this,
            tr("The overview of %1 could not be printed.\n\n%2").arg(m_overview->cargo(), error).trimmed(),
            Title);
    else
        m_status->setText(tr("Sent to the printer."));
}

void FrmOverview::exportPdf()
{
    const QString fileName = SheetExport::toPdf(this, printedSheet(), tr("Export Cargo Overview as PDF"));
    if (fileName.isEmpty())
        return;
    m_status->setText(tr("Written to %1").arg(QDir::toNativeSeparators(fileName)));
}
