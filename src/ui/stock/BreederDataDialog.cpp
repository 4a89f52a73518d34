#include "ui/stock/BreederDataDialog.h"

#include "core/model/TextRules.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString* fieldOf(BreederData& data, int index)
{
    QString* fields[] = {&data.firstName, &data.lastName,      &data.street,    &data.postcodeCity,
                         &data.phone,     &data.breederNumber, &data.clubNumber};
    return fields[index];
}

} // namespace

BreederDataDialog::BreederDataDialog(BreederData& data, QWidget* parent) : QDialog(parent), m_data(data)
{
    setObjectName(QStringLiteral("BreederDataDialog"));
    setWindowTitle(QStringLiteral("Züchterdaten"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Geben Sie hier Ihre Züchterdaten ein. Diese\nwerden für den Kopf des "
                                                "Abstammungs-\nnachweises benötigt."),
                                 this));
    auto* form = new QFormLayout;
    const QString labels[]
        = {QStringLiteral("Vorname:"),        QStringLiteral("Nachname:"), QStringLiteral("Anschrift:"),
           QStringLiteral("PLZ && Wohnort:"), QStringLiteral("Telefon:"),  QStringLiteral("Züchternummer:"),
           QStringLiteral("Vereinsnummer:")};
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
    auto* save = new QPushButton(QStringLiteral("Speichern"), this);
    save->setObjectName(QStringLiteral("saveButton"));
    save->setDefault(true);
    layout->addWidget(save, 0, Qt::AlignRight);
    connect(save, &QPushButton::clicked, this, &BreederDataDialog::save);
    setFixedSize(sizeHint().expandedTo(QSize(360, 0)));
}

void BreederDataDialog::showStoredData()
{
    for (int i = 0; i < 7; ++i)
        m_fields[i]->setText(*fieldOf(m_data, i));
    show();
    raise();
    activateWindow();
}

void BreederDataDialog::save()
{
    for (int i = 0; i < 7; ++i)
        *fieldOf(m_data, i) = cutTo(m_fields[i]->text(), kBreederDataLength);
    hide();
}
