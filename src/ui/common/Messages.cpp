#include "ui/common/Messages.h"

#include "core/model/AppInfo.h"
#include "core/model/SpeciesWords.h"

#include <QMessageBox>

namespace {

class BoxMessages final : public Messages
{
public:
    void inform(QWidget* parent, const QString& text) override
    {
        QMessageBox::information(parent, AppInfo::shortTitle(), text);
    }

    void warn(QWidget* parent, const QString& text) override
    {
        QMessageBox::warning(parent, AppInfo::shortTitle(), text);
    }

    bool askYesNo(QWidget* parent, const QString& title, const QString& text) override
    {
        return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
            == QMessageBox::Yes;
    }
};

Messages* g_installed = nullptr;

} // namespace

Messages& Messages::current()
{
    static BoxMessages boxes;
    return g_installed ? *g_installed : boxes;
}

void Messages::install(Messages* messages)
{
    g_installed = messages;
}
