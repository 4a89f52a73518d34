#pragma once

#include "reports/layouts/PedigreeReport.h"
#include "reports/layouts/RecordSheetReport.h"

#include <QObject>

#include <memory>
#include <optional>

class PreferencesStore;
class QWidget;

// The three certificate buttons of the main window: check the selection,
// fill the certificate and the record sheet, then preview or print.
class CertificateCommands : public QObject
{
    Q_OBJECT

public:
    CertificateCommands(const StockDocument& stock, const PreferencesStore& preferences, QWidget* window);

    void preview(const std::optional<QString>& ring);
    void print(const std::optional<QString>& ring);
    void previewRecordSheet(const std::optional<QString>& ring);
    // The bird and its ancestors as a pedigree file for the buyer's program.
    void savePedigreeFile(const std::optional<QString>& ring);

    const PedigreeReport& certificate() const { return *m_certificate; }
    const RecordSheetReport& recordSheet() const { return *m_recordSheet; }

    // Where the buyer text comes from at fill time.
    void setBuyerTextSource(std::function<QStringList()> source) { m_buyerLines = std::move(source); }

private:
    // The selection check and the fill; false when the command must stop.
    bool fill(const std::optional<QString>& ring);
    void showPreview(const ReportPage& page, const QString& title, const QString& fileName);

    const StockDocument& m_stock;
    const PreferencesStore& m_preferences;
    QWidget* m_window;
    std::function<QStringList()> m_buyerLines;
    // Laid out anew for each fill, in the printout's language.
    std::unique_ptr<PedigreeReport> m_certificate;
    std::unique_ptr<RecordSheetReport> m_recordSheet;
    QString m_ring;
};
