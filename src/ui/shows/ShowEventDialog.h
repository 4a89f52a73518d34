#pragma once

#include "core/model/AnimalRecords.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

// A show the breeder enters birds for: its name, place, date, the closing
// date for entries, the organiser and who may make up a collection.
class ShowEventDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ShowEventDialog(QWidget* parent = nullptr);

    // Shows this show for changing (id 0: a new one).
    void edit(const ShowEvent& show);
    // Checks what was typed; a sound show is confirmed and the dialog closes.
    void accept() override;

signals:
    void confirmed(const ShowEvent& show);

private:
    ShowEvent m_show;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_place = nullptr;
    QLineEdit* m_date = nullptr;
    QLineEdit* m_closing = nullptr;
    QLineEdit* m_organiser = nullptr;
    QComboBox* m_rule = nullptr;
};
