#include "core/files/FileSystem.h"

#include <atomic>

namespace {

std::atomic<FileSystem::StepObserver> observer {nullptr};

} // namespace

namespace FileSystem {

void setStepObserver(StepObserver stepObserver)
{
    observer.store(stepObserver);
}

void stepDone(const char* step, const QString& path)
{
    if (const StepObserver heard = observer.load())
        heard(step, path);
}

} // namespace FileSystem
