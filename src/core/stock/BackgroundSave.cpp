#include "core/stock/BackgroundSave.h"

#include "core/stock/StockDocument.h"

#include <QThread>

BackgroundSave::BackgroundSave(StockDocument& stock, int delayMs, QObject* parent)
    : QObject(parent)
    , m_stock(stock)
    , m_files(stock.files())
    , m_delayMs(delayMs)
    , m_savedGeneration(stock.filesGeneration())
{
    m_delay.setSingleShot(true);
    connect(&m_delay, &QTimer::timeout, this, &BackgroundSave::start);
    m_nextSlice.setSingleShot(true);
    m_nextSlice.setInterval(0);
    connect(&m_nextSlice, &QTimer::timeout, this, &BackgroundSave::start);
    // Every change starts the wait anew: a save follows the last of a quick series of changes.
    connect(&m_stock, &StockDocument::changed, this, [this] { m_delay.start(m_delayMs); });
}

BackgroundSave::~BackgroundSave()
{
    finish();
}

void BackgroundSave::finish()
{
    m_delay.stop();
    m_nextSlice.stop();
    if (!m_thread)
        return;
    m_thread->wait();
    done();
}

void BackgroundSave::start()
{
    if (m_thread) {
        m_delay.start(m_delayMs); // one at a time: the next follows this one
        return;
    }
    // The records and pictures are stored as they change: only what the data files hold is saved here.
    const quint64 generation = m_stock.filesGeneration();
    if (generation == m_savedGeneration)
        return;
    // What the changes reached is encoded in slices short enough that typing goes on
    // between them; the next slice follows once the events waiting have been handled.
    if (!m_stock.prepareSave(QDeadlineTimer(kSliceMs))) {
        m_nextSlice.start();
        return;
    }
    // The writers hold the encoded animals as they are now (shared, never
    // copied), so the thread reads bytes that nothing changes under it.
    QThread* thread = QThread::create(
        [this, writers = m_stock.saveWriters(), generation] { m_result = m_files.save(writers, generation); });
    thread->setObjectName(QStringLiteral("Speichern"));
    connect(thread, &QThread::finished, this, [this, thread] {
        if (thread == m_thread)
            done();
    });
    m_thread = thread;
    m_savedGeneration = generation;
    m_thread->start(QThread::LowPriority);
}

void BackgroundSave::done()
{
    if (!m_thread)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    if (!m_result.ok) {
        // Tried again before long (a stick pulled, a disk that filled up); the close saves in any case.
        m_savedGeneration = 0;
        m_delay.start(kRetryMs);
        if (!std::exchange(m_failing, true))
            emit failed(m_result.message);
        return;
    }
    m_failing = false;
    emit saved();
}
