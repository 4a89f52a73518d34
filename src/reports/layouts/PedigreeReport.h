#pragma once

#include "core/pedigree/PedigreeSlots.h"
#include "core/stock/StockDocument.h"
#include "reports/engine/ReportPage.h"

class RecordSheetReport;

// What the certificate takes from the main window and the print-settings
// dialog besides the stored data. Not saved: each start begins with these.
struct CertificateOptions
{
    QStringList buyerLines;
    int detailFontSize = 10; // 4 to 10 points
    int outerGenerationsContent = 0; // 0 breed and breeder, 1 remarks in the outer boxes
    // Additions a breeder switches on; kept outside the stock file.
    bool showInbreeding = false; // the subject's inbreeding coefficient, small in the head
    bool markRepeatedAncestors = false; // the same letter beside every box of an ancestor met more than once
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
    FillResult fill(const StockDocument& stock, const QString& ring, const CertificateOptions& options,
                    RecordSheetReport* sheet = nullptr);

    const ReportPage& page() const { return m_page; }
    const PedigreeSlots& ancestors() const { return m_slots; }

    // Letters for the ancestors that stand in more than one box, by slot (empty
    // for the others): the same animal gets the same letter, A for the first met.
    static std::array<QString, PedigreeSlots::kCount + 1> repeatMarks(const PedigreeSlots& ancestors);

    // The detail lines of one ancestor box, by the rules of its generation.
    static QStringList detailLines(const Animal& animal, int generation, const PrintSettings& settings,
                                   int outerGenerationsContent);
    // The frame of a picture of this size, in layout pixels (170 × 120 at most).
    static QSize pictureFrame(QSize picture, QSize current);

private:
    void build();
    void fillTopRight(const StockDocument& stock, const Animal& subject, const CertificateOptions& options,
                      FillResult& result);

    ReportPage m_page;
    PedigreeSlots m_slots;
    QSize m_pictureFrame {170, 120};
};
