#pragma once

#include "core/genetics/StockColours.h"

#include <QAbstractTableModel>
#include <QWidget>

class QLabel;
class QTableView;

// The kinds of young of a pairing, one row each: sex, share, colour, what they show and carry.
class ExpectedYoungModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setKinds(std::vector<YoungKind> kinds);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<YoungKind> m_kinds;
};

// The expected young of a pair with the warnings that go with them.
class ExpectedYoungView : public QWidget
{
    Q_OBJECT

public:
    explicit ExpectedYoungView(QWidget* parent = nullptr);

    void show(const Pairing& pairing);
    // No pairing: the note says why ("Bitte Hahn und Henne wählen.").
    void clear(const QString& note);
    QTableView* table() const { return m_table; }
    QString notes() const;

private:
    ExpectedYoungModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    QLabel* m_notes = nullptr;
};

// "25 %", "33,3 %": a share as German texts write it.
QString sharePercent(double share);
