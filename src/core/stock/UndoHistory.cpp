#include "core/stock/UndoHistory.h"

quint32 UndoHistory::Step::touched() const
{
    quint32 touched = 0;
    for (const StockChange& part : parts)
        touched |= part.touched();
    return touched;
}

size_t UndoHistory::Step::memory() const
{
    size_t bytes = 0;
    for (const StockChange& part : parts)
        bytes += part.memory();
    return bytes;
}

QString UndoHistory::undoText() const
{
    return canUndo() ? m_steps[m_done - 1].text() : QString();
}

QString UndoHistory::redoText() const
{
    return canRedo() ? m_steps[m_done].text() : QString();
}

void UndoHistory::dropRedo()
{
    while (m_steps.size() > m_done) {
        m_bytes -= m_steps.back().memory();
        m_steps.pop_back();
    }
}

void UndoHistory::push(StockChange change)
{
    dropRedo();
    Step step;
    step.parts.push_back(std::move(change));
    m_bytes += step.memory();
    m_steps.push_back(std::move(step));
    m_done = m_steps.size();
    bound();
}

void UndoHistory::attach(StockChange change)
{
    dropRedo();
    if (m_steps.empty())
        return;
    m_bytes += change.memory();
    m_steps.back().parts.push_back(std::move(change));
    bound();
}

void UndoHistory::clear()
{
    m_steps.clear();
    m_done = 0;
    m_bytes = 0;
}

void UndoHistory::bound()
{
    // The newest step stays even when it alone is over the bound: it is what the breeder just did.
    while (m_steps.size() > 1 && (m_steps.size() > kMaxSteps || m_bytes > kMaxBytes)) {
        m_bytes -= m_steps.front().memory();
        m_steps.pop_front();
        --m_done;
    }
}
