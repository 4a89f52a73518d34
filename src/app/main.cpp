#include "app/Startup.h"
#include "ui/common/Messages.h"

#include <QApplication>

#include <exception>

namespace {

// The one guard around every command: an unexpected failure is shown and the
// program keeps running.
class AvelorApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            Messages::current().warn(nullptr, QString::fromUtf8(e.what()));
        } catch (...) {
            Messages::current().warn(nullptr, QStringLiteral("Ein unerwarteter Fehler ist aufgetreten."));
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    AvelorApplication app(argc, argv);
    configureApplication();
    Startup startup;
    if (!startup.start())
        return 1;
    return app.exec();
}
