#include "ui/stock/BreederDataDialog.h"

#include "core/model/TextRules.h"
#include "core/stock/StockDocument.h"
#include "ui/common/UndoShortcuts.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

template<typename Data> auto* fieldOf(Data& data, int index)
{
    decltype(&data.firstName) fields[] = {&data.firstName, &data.lastName,      &data.street,    &data.postcodeCity,
                                          &data.phone,     &data.breederNumber, &data.clubNumber};
    return fields[index];
}

} // namespace

BreederDataDialog::BreederDataDialog(StockDocument& stock, QWidget* parent) : QDialog(parent), m_stock(stock)
{
    setObjectName(QStringLiteral("BreederDataDialog"));
    setWindowTitle(tr("Züchterdaten"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Geben Sie hier Ihre Züchterdaten ein. Diese\nwerden für den Kopf des "
                                    "Abstammungs-\nnachweises benötigt."),
                                 this));
    auto* form = new QFormLayout;
    const QString labels[] = {tr("Vorname:"), tr("Nachname:"),      tr("Anschrift:"),    tr("PLZ && Wohnort:"),
                              tr("Telefon:"), tr("Züchternummer:"), tr("Vereinsnummer:")};
    const char* names[] = {"firstName", "lastName", "street", "postcodeCity", "phone", "breederNumber", "clubNumber"};
    for (int i = 0; i < 7; ++i) {
        m_fields[i] = new QLineEdit(this);
        m_fields[i]->setObjectName(QString::fromLatin1(names[i]));
        m_fields[i]->setMaxLength(kBreederDataLength);
        auto* label = new QLabel(labels[i], this);
        label->setBuddy(m_fields[i]);
        form->addRow(label, m_fields[i]);
    }
    layout->addLayout(form);
    auto* save = new QPushButton(tr("Speichern"), this);
    save->setObjectName(QStringLiteral("saveButton"));
    save->setDefault(true);
    layout->addWidget(save, 0, Qt::AlignRight);
    connect(save, &QPushButton::clicked, this, &BreederDataDialog::save);
    // Open beside the main window, it shows what an undo there brought back.
    connect(&m_stock, &StockDocument::changed, this, [this](StockDocument::Changes what) {
        if (what & StockDocument::Breeder)
            loadStoredData();
    });
    new UndoShortcuts(m_stock, this);
    setFixedSize(sizeHint().expandedTo(QSize(360, 0)));
}

void BreederDataDialog::loadStoredData()
{
    for (int i = 0; i < 7; ++i)
        m_fields[i]->setText(*fieldOf(m_stock.breeder(), i));
}

void BreederDataDialog::showStoredData()
{
    loadStoredData();
    show();
    raise();
    activateWindow();
}

void BreederDataDialog::save()
{
    BreederData data;
    for (int i = 0; i < 7; ++i)
        *fieldOf(data, i) = cutTo(m_fields[i]->text(), kBreederDataLength);
    m_stock.setBreederData(data);
    hide();
}
