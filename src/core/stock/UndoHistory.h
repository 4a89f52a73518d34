#pragma once

#include "core/stock/StockChange.h"

#include <QString>

#include <deque>
#include <vector>

// The changes of this run that can be taken back, newest last, and those
// taken back that can be made again. Bounded: beyond kMaxSteps steps or
// kMaxBytes of kept state the oldest steps go first.
class UndoHistory
{
public:
    static constexpr size_t kMaxSteps = 500;
    static constexpr size_t kMaxBytes = size_t(256) * 1024 * 1024;

    // One step as the breeder sees it: one change, and any the program made
    // on its own right after it (a sort), taken back together.
    struct Step
    {
        std::vector<StockChange> parts;
        const QString& text() const { return parts.front().text(); }
        quint32 touched() const;
        size_t memory() const;
    };

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_steps.size(); }
    // What undo would take back, redo would make again; empty when nothing.
    QString undoText() const;
    QString redoText() const;
    size_t steps() const { return m_steps.size(); }
    size_t memory() const { return m_bytes; }

    // A new step; the steps taken back can no longer be made again.
    void push(StockChange change);
    // A change the program made on its own joins the last step; with no step
    // to join it is not kept (nothing before it can be taken back that it
    // would be in the way of).
    void attach(StockChange change);
    void clear();

    // The step to take back or make again; the caller reports back whether it did.
    Step& nextUndo() { return m_steps[m_done - 1]; }
    Step& nextRedo() { return m_steps[m_done]; }
    void undone() { --m_done; }
    void redone() { ++m_done; }

private:
    void dropRedo();
    void bound();

    std::deque<Step> m_steps;
    size_t m_done = 0; // steps [0, m_done) stand; the rest were taken back
    size_t m_bytes = 0;
};
