#pragma once

#include "core/stock/AnimalEntry.h"
#include "ui/common/AnimalFields.h"

#include <QDialog>
#include <QList>

class PictureBox;
class QGroupBox;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QSpinBox;
class QWidget;
class StockDocument;

// Enters new animals one at a time (with a picture) or as a range of
// consecutive ring numbers. Series entry keeps chosen fields between openings.
class EnterAnimalsDialog : public QDialog
{
    Q_OBJECT

public:
    EnterAnimalsDialog(StockDocument& stock, QWidget* parent = nullptr);

    // The picture to be copied with the next saved animal (empty for none).
    const QString& chosenPicture() const { return m_picturePath; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildFields();
    void buildSeriesColumn();
    void describeFields();
    QWidget* buildRangeGroup();
    void prepareOnShow();
    void refill(QComboBox* combo, QString Animal::*field);
    void saveOneAnimal();
    void createRange();
    void choosePicture();
    void updateSeriesVisibility();

    StockDocument& m_stock;
    QString m_picturePath;

    AnimalFields m_fields;

    QWidget* m_pictureArea = nullptr;
    QGroupBox* m_seriesGroup = nullptr;
    PictureBox* m_picture = nullptr;
    QCheckBox* m_showSeries = nullptr;
    QList<QWidget*> m_seriesWidgets;
    QSpinBox* m_keepDigits = nullptr;
    QCheckBox* m_keepSex = nullptr;
    QCheckBox* m_keepYear = nullptr;
    QCheckBox* m_keepBreeder = nullptr;
    QCheckBox* m_keepColour = nullptr;
    QCheckBox* m_keepMarkings = nullptr;
    QCheckBox* m_keepBreed = nullptr;
    QLineEdit* m_rangePrefix = nullptr;
    QLineEdit* m_rangeFrom = nullptr;
    QLineEdit* m_rangeTo = nullptr;
    QProgressBar* m_progress = nullptr;
};
