#pragma once

#include <QDialog>

class QCheckBox;
class StockDocument;
class QComboBox;
class QLabel;
class QLineEdit;
class RingList;

// Finds animals from partial knowledge, searching again on every change.
class SearchDialog : public QDialog
{
    Q_OBJECT

public:
    SearchDialog(StockDocument& stock, QWidget* parent = nullptr);

    RingList* results() const { return m_results; }

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
    QLayout* buildResultColumn();
    QWidget* buildCriteriaForm();
    void addTextCriterion(const char* name, const QString& partial, const QString& exact, const QString& exactBox,
                          bool combo);
    QString inputText(int criterion) const;
    void prepareOnShow();
    void runSearch();

    StockDocument& m_stock;
    QList<Criterion> m_criteria; // ring, breeder, year, colour, markings, breed
    QComboBox* m_sex = nullptr;
    RingList* m_results = nullptr;
    QLabel* m_count = nullptr;
    QWidget* m_form = nullptr;
};
