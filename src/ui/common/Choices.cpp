#include "ui/common/Choices.h"

#include "core/stock/StockDocument.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListView>
#include <QStringListModel>

namespace {

QComboBox* makeCombo(QWidget* parent, const QString& objectName, bool editable)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    combo->setModel(new QStringListModel(combo));
    combo->setEditable(editable);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(20);
    // Measuring every entry of a long list for the width costs more than the list itself.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(16);
    if (auto* view = qobject_cast<QListView*>(combo->view()))
        view->setUniformItemSizes(true);
    combo->setCurrentIndex(-1);
    return combo;
}

} // namespace

QComboBox* makeChoiceCombo(QWidget* parent, const QString& objectName)
{
    return makeCombo(parent, objectName, true);
}

QComboBox* makeListCombo(QWidget* parent, const QString& objectName)
{
    return makeCombo(parent, objectName, false);
}

void setChoices(QComboBox* combo, const QStringList& entries)
{
    const QSignalBlocker blocker(combo);
    if (auto* model = qobject_cast<QStringListModel*>(combo->model()))
        model->setStringList(entries);
    else {
        combo->clear();
        combo->addItems(entries);
    }
    combo->setCurrentIndex(-1);
    if (combo->isEditable())
        combo->setEditText(QString());
}

void clearChoice(QComboBox* combo)
{
    combo->setCurrentIndex(-1);
    if (combo->isEditable())
        combo->setEditText(QString());
}

bool selectEntry(QComboBox* combo, const QString& text)
{
    const QAbstractItemModel* model = combo->model();
    for (int row = model->rowCount() - 1; row >= 0; --row) {
        if (model->index(row, 0).data().toString() == text) {
            combo->setCurrentIndex(row);
            return true;
        }
    }
    return false;
}

QStringList sexWords()
{
    return {QCoreApplication::translate("Choices", "unbekannt", "sex"),
            QCoreApplication::translate("Choices", "männlich"), QCoreApplication::translate("Choices", "weiblich")};
}

int sexIndex(Sex sex)
{
    const auto value = static_cast<qint32>(sex);
    return value >= 0 && value < 3 ? int(value) : -1;
}

std::optional<Sex> selectedSex(const QComboBox* combo)
{
    if (combo->currentIndex() < 0)
        return std::nullopt;
    return static_cast<Sex>(combo->currentIndex());
}

QStringList offeredFrom(StockDocument& stock, QString Animal::*field)
{
    return stock.offerValues(field);
}
