#include "support/FailingDevice.h"

FailingDevice::FailingDevice(int failAt, bool forGood) : m_failAt(failAt), m_forGood(forGood)
{
    open(QIODevice::WriteOnly);
}

qint64 FailingDevice::writeData(const char* data, qint64 len)
{
    ++m_calls;
    if (m_calls == m_failAt || (m_forGood && m_calls > m_failAt))
        return -1;
    return QBuffer::writeData(data, len);
}
