#include "app/ExportTool.h"

#include "core/stock/StockDocument.h"

#include "core/language/Languages.h"
#include "core/language/TextLanguage.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    // A command-line tool: no window, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TextLanguage::install(Languages::fromSystem());
    QTextStream out(stdout);
    QTextStream err(stderr);
    std::unique_ptr<StockDocument> stock;
    const int code = runExport(app.arguments().mid(1), out, err, stock);
    // Everything is written (files safely, and closed); the system frees the memory at once.
    out.flush();
    err.flush();
    std::fflush(nullptr);
    std::_Exit(code);
}
