#pragma once

#include <QHash>
#include <QStringList>

#include <functional>
#include <optional>

class QIODevice;
class QTextStream;
class ReportPages;
struct Preferences;
class StockDocument;

// The exit codes of avelor-export.
enum ExportExit
{
    Done = 0,
    NotFound = 1, // a ring or a pair is not in the stock (check: something was found)
    WrongUse = 2,
    FileProblem = 3,
};

// What was asked for on the command line.
struct ExportRequest
{
    QString command;
    QStringList words; // what follows the command
    QHash<QString, QString> options;
    bool pair = false;

    QString option(const char* name) const { return options.value(QString::fromLatin1(name)); }
    bool has(const char* name) const { return options.contains(QString::fromLatin1(name)); }
    QString output() const;
    QString suffix() const;
};

// One run of a command: the request, the stock it reads, where it writes.
class ExportRun
{
public:
    ExportRun(const ExportRequest& request, StockDocument& stock, QTextStream& out, QTextStream& err)
        : request(request), stock(stock), out(out), err(err)
    { }

    // The pages as PDF, or as one PNG per page (NAME-1.png, NAME-2.png, ... when there are several).
    int writePages(const ReportPages& pages);
    // The output file, written safely.
    int writeFile(const std::function<bool(QIODevice&)>& writer);
    int writeBytes(const QByteArray& bytes);
    // "--year Y" as a number, or none; false (with the message written) when it is no year.
    bool year(std::optional<int>& year);
    // False, with the reason written, when the records came back short of what the file holds.
    bool recordsIntact();

    const ExportRequest& request;
    StockDocument& stock;
    QTextStream& out;
    QTextStream& err;

private:
    int written(const QString& name, const QString& failure);
};

// The language the breeder chose for printouts in the program ("as the
// program" is the program's language, not the tool's).
QString printoutLanguage(const Preferences& preferences);
QString printoutLanguage();

// A year as avelor-export takes it (1 to 9999), or none.
std::optional<int> yearOf(const QString& text);

// The commands, each checking its words and options (an error text or empty) and running.
struct ExportCommand
{
    const char* name;
    QStringList outputTypes; // the file types of -o; none: writes to the standard output
    std::function<QString(const ExportRequest&)> check;
    std::function<int(ExportRun&)> run;
    // The options it takes besides --data (and -o where it writes a file), "--pair" among them.
    QStringList options = {};
    // Whether the command reads the stock; none: it always does.
    std::function<bool(const ExportRequest&)> needsStock = {};
    // Whether it reads the records (whereabouts, show results, colour factors); none: it does not.
    std::function<bool(const ExportRequest&)> needsRecords = {};
    // Whether it needs only the birds it names and their ancestors; none: the whole stock.
    std::function<bool(const ExportRequest&)> needsAncestriesOnly = {};
};

// The commands that write printouts: pedigree, recordsheet, stocklist, pairsheet.
QList<ExportCommand> reportCommands();
// The commands that write tables and lists: csv, inbreeding, check, shows, sales.
QList<ExportCommand> tableCommands();
// The commands of the breeding season: due, season, mates.
QList<ExportCommand> seasonCommands();
// The colours of a pair's young: colours.
QList<ExportCommand> colourCommands();
// The shows entered for: entries, labels.
QList<ExportCommand> showCommands();
