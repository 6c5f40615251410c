#include "JoTab.h"

#include "Controls.h"
#include "Cover.h"
#include "DataControl.h"
#include "RecordSources.h"
#include "Schema.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

JoTab::JoTab(QWidget* parent)
    : QWidget(parent)
    , m_data(new DataControl(QStringLiteral("DtaJo"), this))
{
    using namespace Controls;
    auto* page = new QVBoxLayout(this);
    const QList<std::pair<QString, QString>> frames{
        {QStringLiteral("General Characteristics"), QStringLiteral("Label39")},
        {QStringLiteral("Handling Information"), QStringLiteral("Label40")},
        {QStringLiteral("Tank Coatings"), QStringLiteral("Label41")},
    };
    for (const auto& [title, coverName] : frames) {
        QGroupBox* box = frame(this, title);
        auto* contents = new QWidget(box);
        (new QVBoxLayout(box))->addWidget(contents);
        QLabel* cover = caption(this, QString(), coverName);
        cover->hide();
        Cover::keepOver(cover, contents);
        page->addWidget(box, 1);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* exit = button(this, QStringLiteral("Command1"), QStringLiteral("&Exit"));
    buttons->addWidget(exit);
    page->addLayout(buttons);
    connect(exit, &QPushButton::clicked, this, &JoTab::exitClicked);
}

bool JoTab::openData(const Store& store, QString* error)
{
    return m_data->open(store, Schema::JoTankersFile, RecordSources::DtaJo, error);
}
