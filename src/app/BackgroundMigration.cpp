#include "app/BackgroundMigration.h"

#include <QThread>

BackgroundMigration::BackgroundMigration(const Store& store, QObject* parent)
    : QObject(parent)
    , m_migration(store)
{
}

BackgroundMigration::~BackgroundMigration()
{
    if (m_thread)
        m_thread->wait();
}

void BackgroundMigration::start()
{
    m_thread.reset(QThread::create([this] {
        m_migration.migrateAll([this](const QString& fileName, int position, int count) {
            // Emitted on this object's thread, where the windows are.
            QMetaObject::invokeMethod(
                this, [this, fileName, position, count] { Q_EMIT progress(fileName, position, count); },
                Qt::QueuedConnection);
        });
    }));
    // QThread::finished comes from the worker, so it is queued here too: after every progress signal.
    connect(m_thread.get(), &QThread::finished, this, &BackgroundMigration::finished);
    m_thread->start();
}
