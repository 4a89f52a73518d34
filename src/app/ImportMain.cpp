#include "app/ImportTool.h"

#include "core/language/Languages.h"
#include "core/language/TextLanguage.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TextLanguage::install(Languages::fromSystem());
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runImport(app.arguments().mid(1), out, err);
}
