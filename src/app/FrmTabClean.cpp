#include "FrmTabClean.h"

#include "TavroTab.h"

#include <QTabWidget>

FrmTabClean::FrmTabClean(const Store& store, QWidget* parent)
    : QMainWindow(parent)
    , m_store(store)
    , m_tabs(new QTabWidget(this))
    , m_tavro(new TavroTab(m_tabs))
{
    setObjectName(QStringLiteral("FrmTabClean"));
    setWindowTitle(QStringLiteral("Velcarin"));
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->addTab(m_tavro, QStringLiteral("  TAVRO"));
    setCentralWidget(m_tabs);
    connect(m_tavro, &TavroTab::exitClicked, this, &QWidget::close);
}

bool FrmTabClean::load(QString* error)
{
    if (!m_tavro->openData(m_store, error))
        return false;
    m_tabs->setCurrentIndex(0);
    m_tavro->showCovers();
    return true;
}
