#pragma once

#include "core/files/Preferences.h"
#include "core/pedigree/PedigreeSlots.h"
#include "core/stock/StockDocument.h"
#include "reports/engine/ReportPage.h"

class RecordSheetReport;

// What the certificate takes besides the stored data: the preferences and
// the buyer text typed in the main window.
struct CertificateRequest
{
    CertificatePreferences preferences;
    QStringList buyerLines;
};

// The pedigree certificate ("Abstammungsnachweis"): one A4 page with the
// breeder's address, the subject and 30 ancestor boxes over four generations.
class PedigreeReport
{
public:
    PedigreeReport();

    struct FillResult
    {
        bool found = false; // an active animal has the ring
        QString error; // German: the picture could not be read; the fill stopped there
    };

    // Every field for the subject with this ring (the last active one where
    // rings repeat), and the record sheet's fields. With no such animal
    // nothing changes.
    FillResult fill(const StockDocument& stock, const QString& ring, const CertificateRequest& request,
                    RecordSheetReport* sheet = nullptr);

    const ReportPage& page() const { return m_page; }
    const PedigreeSlots& ancestors() const { return m_slots; }

    // Letters for the ancestors that stand in more than one box, by slot (empty
    // for the others): the same animal gets the same letter, A for the first met.
    static std::array<QString, PedigreeSlots::kCount + 1> repeatMarks(const PedigreeSlots& ancestors);

    // The detail lines of one ancestor box, by the rules of its generation.
    static QStringList detailLines(const Animal& animal, int generation, const PrintSettings& settings,
                                   OuterGenerationsContent outer);
    // The frame of a picture of this size, in layout pixels (170 × 120 at most).
    static QSize pictureFrame(QSize picture, QSize current);

private:
    void buildHead();
    void buildAncestorBoxes();
    void buildFoot();
    void fillTopRight(const StockDocument& stock, const Animal& subject, const QStringList& buyerLines,
                      FillResult& result);
    void fillHead(const StockDocument& stock, const Animal& subject, const CertificateRequest& request);
    void fillAncestors(const StockDocument& stock, const CertificatePreferences& preferences);

    ReportPage m_page;
    PedigreeSlots m_slots;
    QSize m_pictureFrame {170, 120};
};
