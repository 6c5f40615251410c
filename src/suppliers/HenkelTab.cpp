#include "suppliers/HenkelTab.h"

#include "data/RecordSources.h"
#include "data/Schema.h"
#include "shell/Controls.h"
#include "shell/DataControl.h"
#include "shell/TextBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

HenkelTab::HenkelTab(QWidget* parent)
    : QWidget(parent)
    , m_oils(new DataControl(QStringLiteral("DtaH"), this))
    , m_chemicals(new DataControl(QStringLiteral("dtaH1"), this))
    , m_globe(new QLabel(this))
{
    using namespace Controls;
    auto* oilList = new QComboBox(this);
    oilList->setObjectName(QStringLiteral("DBComboH"));
    QGroupBox* preWash = frame(this, QStringLiteral("Pre-Wash Temperature"));
    (new QVBoxLayout(preWash))->addWidget(field(preWash, QStringLiteral("txtPreWashH")));
    QGroupBox* finalCleaning = frame(this, QStringLiteral("Final Cleaning"));
    (new QVBoxLayout(finalCleaning))->addWidget(textBox(finalCleaning, QStringLiteral("txtFinalH")));
    QGroupBox* additional =
        frame(this, QStringLiteral("Recommended Sollutions For Final Cleaning of Additional Products"));
    (new QVBoxLayout(additional))->addWidget(textBox(additional, QStringLiteral("txtAddH")));

    QGroupBox* suggestions = frame(this, QStringLiteral("Specific Cleaning Suggestions"));
    auto* suggestionsLayout = new QHBoxLayout(suggestions);
    m_globe->setObjectName(QStringLiteral("picTest"));
    m_globe->setFixedSize(64, 64);
    m_globe->setAlignment(Qt::AlignCenter);
    suggestionsLayout->addStretch();
    suggestionsLayout->addWidget(m_globe, 0, Qt::AlignTop);

    auto* page = new QGridLayout(this);
    page->addWidget(oilList, 0, 0);
    page->addWidget(preWash, 1, 0);
    page->addWidget(finalCleaning, 2, 0);
    page->addWidget(additional, 3, 0);
    page->addWidget(suggestions, 0, 1, 4, 1);
    QPushButton* exit = button(this, QStringLiteral("cmdExitH"), QStringLiteral("&Exit"));
    page->addWidget(exit, 4, 1, Qt::AlignRight);
    page->setColumnStretch(0, 1);
    page->setColumnStretch(1, 1);
    connect(exit, &QPushButton::clicked, this, &HenkelTab::exitClicked);
}

bool HenkelTab::openOilData(const Store& store, QString* error)
{
    return m_oils->open(store, Schema::HenkelFile, RecordSources::DtaH, error);
}

bool HenkelTab::openChemicalData(const Store& store, QString* error)
{
    return m_chemicals->open(store, Schema::HenkelFile, RecordSources::dtaH1, error);
}
