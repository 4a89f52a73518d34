#pragma once

#include <QListView>

#include <optional>

class QStringListModel;

// A list of ring numbers backed by a model, fast for the whole stock.
class RingList : public QListView
{
    Q_OBJECT

public:
    explicit RingList(QWidget* parent = nullptr);

    // Replaces the entries as given (sort them first where the list is alphabetical).
    void setRings(const QStringList& rings);
    QStringList rings() const;
    std::optional<QString> selectedRing() const;
    // Selects the first entry equal to ring; returns whether there was one.
    bool selectRing(const QString& ring);
    int count() const;

signals:
    // The user picked an entry (click or keys), or a program selected one.
    void ringSelected(const QString& ring);
    void ringActivated(const QString& ring); // double-click, or Enter on the selected entry

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::optional<int> selectedRow() const;
    bool selectRow(int row);

    QStringListModel* m_model;
};
