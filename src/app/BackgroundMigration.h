#pragma once

#include "data/Store.h"
#include "data/legacy/Migration.h"

#include <QObject>

#include <memory>

class QThread;

// Runs the Migration of a store's databases in a thread of its own, so that the windows stay responsive
// while it converts or waits for another start's conversion; its progress and its end are signalled on
// the thread that started it.
class BackgroundMigration : public QObject {
    Q_OBJECT
public:
    explicit BackgroundMigration(const Store& store, QObject* parent = nullptr);
    // Waits for a conversion still running: one stopped halfway would be put right only at the next start.
    ~BackgroundMigration() override;

    void start();
    // What was converted and what failed; complete once finished() was emitted.
    const Migration& migration() const { return m_migration; }

Q_SIGNALS:
    // An Access file is about to be converted: see Migration::Progress.
    void progress(const QString& fileName, int position, int count);
    void finished();

private:
    Migration m_migration;
    std::unique_ptr<QThread> m_thread;
};
