#pragma once

#include "core/model/Database.h"

#include <QDialog>

class QLineEdit;

// The breeder's own name and address for the head of the certificate. Not
// modal; "Speichern" stores, the close box discards.
class BreederDataDialog : public QDialog
{
    Q_OBJECT

public:
    BreederDataDialog(BreederData& data, QWidget* parent = nullptr);

    // Puts the stored texts into the fields and shows the dialog.
    void showStoredData();

private:
    void save();

    BreederData& m_data;
    QLineEdit* m_fields[7] {};
};
