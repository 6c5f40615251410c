#pragma once

#include <QWidget>

class DataControl;
class Store;

// Tab 1 of the main window: the Jo Tankers products on DtaJo.
class JoTab : public QWidget {
    Q_OBJECT
public:
    explicit JoTab(QWidget* parent = nullptr);

    // Points DtaJo at Jo Tankers.mdb.
    bool openData(const Store& store, QString* error);
    DataControl& data() const { return *m_data; }

Q_SIGNALS:
    void exitClicked();

private:
    DataControl* m_data;
};
