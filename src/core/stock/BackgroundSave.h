#pragma once

#include "core/files/DataFiles.h"

#include <QObject>
#include <QTimer>

#include <memory>

class QThread;
class StockDocument;

// Saving as you go: a short time after the last change of what the data
// files hold (a change of the records or pictures alone writes none), both data files are
// written again (the same atomic save as at close) on a thread of their own,
// from the animals as the stock keeps them encoded at that moment, so editing
// never waits for the disk nor for a copy of the stock. A crash or a power cut then loses seconds, not an evening.
class BackgroundSave : public QObject
{
    Q_OBJECT

public:
    explicit BackgroundSave(StockDocument& stock, int delayMs = 1000, QObject* parent = nullptr);
    ~BackgroundSave() override; // waits for a save that runs

    // Waits for a save that runs; what is left to save stays for the closing save.
    void finish();
    bool saving() const { return m_thread != nullptr; }

signals:
    // A save in the background failed; the text is German and names the file.
    // Said once until a save succeeds again.
    void failed(const QString& message);
    void saved();

private:
    void start();
    void done();

    static constexpr int kRetryMs = 30000;
    static constexpr int kSliceMs = 8; // half a frame of encoding at a time

    StockDocument& m_stock;
    DataFiles m_files;
    int m_delayMs;
    QTimer m_delay;
    QTimer m_nextSlice;
    QThread* m_thread = nullptr;
    DataFiles::SaveResult m_result;
    quint64 m_savedGeneration = 0;
    bool m_failing = false;
};
