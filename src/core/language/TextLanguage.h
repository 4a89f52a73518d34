#pragma once

#include <QString>

// Which language the texts come out in. The program's language is chosen
// once at start; a printout may be made in another one for the time it is
// laid out, on the thread that lays it out, without touching the windows.
namespace TextLanguage {

// Installs the program's translations (and Qt's own) for `code`, replacing
// those of an earlier call. German needs none but Qt's.
void install(const QString& code);
QString program();

// The language of the texts made on this thread now: the printout's while a
// Scope is alive, else the program's.
QString current();

class Scope
{
public:
    explicit Scope(const QString& code);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

private:
    QString m_language;
    const QString* m_previous;
};

} // namespace TextLanguage
