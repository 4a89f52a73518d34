#pragma once

#include <QBuffer>

// A device that refuses write call number failAt (1-based), either once or
// for good, to test that writers notice every failed write.
class FailingDevice : public QBuffer
{
public:
    FailingDevice(int failAt, bool forGood);

    int writeCalls() const { return m_calls; }

protected:
    qint64 writeData(const char* data, qint64 len) override;

private:
    int m_failAt;
    bool m_forGood;
    int m_calls = 0;
};
