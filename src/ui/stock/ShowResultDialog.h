#pragma once

#include "core/model/AnimalRecords.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

// One show result of a bird, new or changed: date, show, class, points in
// half points, award and collection. Hands the result back when confirmed.
class ShowResultDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ShowResultDialog(QWidget* parent = nullptr);

    // Shows the result to change (or a new one) with the shows entered before offered.
    void edit(const ShowResult& result, const QStringList& knownShows);

signals:
    // Confirmed with values that passed their checks.
    void confirmed(const ShowResult& result);

private:
    void confirm();

    ShowResult m_result;
    QLineEdit* m_date = nullptr;
    QComboBox* m_show = nullptr;
    QLineEdit* m_class = nullptr;
    QDoubleSpinBox* m_points = nullptr;
    QLineEdit* m_award = nullptr;
    QSpinBox* m_collection = nullptr;
};
