#pragma once

#include "core/model/Database.h"
#include "core/stock/StockSearch.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class RingList;

// Finds animals from partial knowledge, searching again on every change.
class SearchDialog : public QDialog
{
    Q_OBJECT

public:
    SearchDialog(AnimalTable& animals, QWidget* parent = nullptr);

    RingList* results() const { return m_results; }
    // The stock changed while the dialog is open (its order is looked up afresh).
    void stockChanged();

signals:
    void pedigreeRequested(const QString& ring);
    // "Alle gefundene … anzeigen": the results and the entry selected among them.
    void showAllFound(const QStringList& rings, const std::optional<QString>& selected);

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Criterion
    {
        QWidget* input;
        QLabel* label;
        QCheckBox* exact;
        QString partialLabel;
        QString exactLabel;
    };
    void addTextCriterion(const char* name, const QString& partial, const QString& exact, const QString& exactBox,
                          bool combo);
    QString inputText(int criterion) const;
    void prepareOnShow();
    void runSearch();

    AnimalTable& m_animals;
    std::vector<qsizetype> m_order;
    QList<Criterion> m_criteria; // ring, breeder, year, colour, markings, breed
    QComboBox* m_sex = nullptr;
    RingList* m_results = nullptr;
    QLabel* m_count = nullptr;
    QWidget* m_form = nullptr;
};
