// Registers for the accessibility events a screen reader listens to, on the
// session's accessibility bus, and stays until it is ended. Qt sends events
// only for what someone listens to, so without this the bus costs nothing.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QDBusInterface launcher(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                            QStringLiteral("org.a11y.Bus"), QDBusConnection::sessionBus());
    const QDBusReply<QString> address = launcher.call(QStringLiteral("GetAddress"));
    if (!address.isValid()) {
        std::fprintf(stderr, "no accessibility bus: %s\n", qPrintable(address.error().message()));
        return 1;
    }
    QDBusConnection bus = QDBusConnection::connectToBus(address.value(), QStringLiteral("a11y"));
    QDBusInterface registry(QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("/org/a11y/atspi/registry"),
                            QStringLiteral("org.a11y.atspi.Registry"), bus);
    for (const char* event : {"object:", "window:", "focus:"}) {
        const QDBusMessage reply = registry.call(QStringLiteral("RegisterEvent"), QString::fromLatin1(event));
        if (reply.type() == QDBusMessage::ErrorMessage) {
            std::fprintf(stderr, "%s: %s\n", event, qPrintable(reply.errorMessage()));
            return 1;
        }
    }
    std::fprintf(stderr, "listening\n");
    return app.exec();
}
