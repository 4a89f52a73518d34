#include "ui/backup/WipeDatabaseDialog.h"

#include "core/stock/StockDocument.h"
#include "ui/common/Messages.h"
#include "ui/common/Modal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QFont arialBlack(int pixels)
{
    QFont font(QStringLiteral("Arial Black"));
    font.setPixelSize(pixels);
    font.setWeight(QFont::Black);
    return font;
}

} // namespace

QString WipeDatabaseDialog::confirmationWord()
{
    return tr("neu", "word typed to confirm the wipe");
}

WipeDatabaseDialog::WipeDatabaseDialog(StockDocument& stock, QWidget* parent) : QDialog(parent), m_stock(stock)
{
    setObjectName(QStringLiteral("WipeDatabaseDialog"));
    setWindowTitle(tr("Komplette Datenbank löschen und neu anfangen"));
    setStyleSheet(QStringLiteral("QDialog { background: red; } QLabel { color: white; }"
                                 "QLineEdit { background: red; color: white; border: 1px solid white; }"));
    auto* heading = new QLabel(tr("! ! ! A C H T U N G ! ! !"), this);
    heading->setFont(arialBlack(49));
    heading->setAlignment(Qt::AlignCenter);
    auto* warning = new QLabel(
        //: %1 is the word the breeder types to confirm
        tr("Wenn Sie die komplette Datenbank löschen fangen Sie komplett neu an. Alle Kanarienvögel und alle "
           "Zuchtpaare sind verloren (sofern Sie kein Backup erstellt haben).\n\nWenn Sie sicher sind und wissen "
           "was Sie tun dann schreiben Sie das Wort \"%1\" bitte in das unten stehende Feld und klicken "
           "anschließend auf OK!")
            .arg(confirmationWord()),
        this);
    warning->setFont(arialBlack(21));
    warning->setWordWrap(true);
    m_word = new QLineEdit(this);
    m_word->setObjectName(QStringLiteral("wordEdit"));
    m_word->setAccessibleName(tr("Bestätigungswort"));
    m_word->setFont(arialBlack(21));
    m_word->setMaxLength(3);
    m_word->setMaximumWidth(120);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(warning, 1);
    layout->addWidget(m_word, 0, Qt::AlignHCenter);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    connect(ok, &QPushButton::clicked, this, &WipeDatabaseDialog::confirm);
    setFixedSize(686, 495);
}

void WipeDatabaseDialog::open()
{
    m_word->clear();
    showModal(this);
}

void WipeDatabaseDialog::confirm()
{
    if (m_word->text().toLower() == confirmationWord().toLower()) {
        if (const QString failure = m_stock.wipe(); !failure.isEmpty())
            Messages::current().warn(this, failure);
        else
            Messages::current().inform(this,
                                       tr("Die Datenbank wurde gelöscht. Was bis dahin geändert wurde, "
                                          "lässt sich nicht mehr rückgängig machen."));
    }
    accept(); // any other word closes it without a word
}
