#pragma once

#include "reports/engine/ReportPage.h"

#include <functional>
#include <memory>
#include <vector>

// The pages of a report, made when they are wanted: a list of 100 000
// animals need not hold its thousands of pages in memory at once.
class ReportPages
{
public:
    virtual ~ReportPages() = default;
    virtual int count() const = 0;
    // Page index (from 0), with its number and the page count filled in.
    // Asked for on several threads at once while a PDF is written.
    virtual ReportPage page(int index) const = 0;
};

// Pages laid out in full beforehand: the certificate, the record sheet.
class FixedPages final : public ReportPages
{
public:
    explicit FixedPages(std::vector<ReportPage> pages);

    int count() const override { return int(m_pages.size()); }
    ReportPage page(int index) const override;

private:
    std::vector<ReportPage> m_pages;
};

// Another report's pages laid out in a given language, on whichever thread
// asks for them: pages made on demand read their texts only then.
class TranslatedPages final : public ReportPages
{
public:
    TranslatedPages(std::shared_ptr<const ReportPages> pages, QString language);

    int count() const override;
    ReportPage page(int index) const override;

private:
    std::shared_ptr<const ReportPages> m_pages;
    QString m_language;
};

// Pages that flow a detail band per item under a page-header band repeated
// on every page. Bands hold elements placed in millimetres from the band's
// top-left corner; the header is made knowing its page number.
class BandedPages final : public ReportPages
{
public:
    struct Layout
    {
        QSizeF pageSize {210.0, 297.0};
        QMarginsF margins;
        double headerHeight = 0;
        double detailHeight = 0;
    };
    using HeaderBand = std::function<std::vector<ReportElement>(int pageNumber)>;
    using DetailBand = std::function<std::vector<ReportElement>(int item)>;

    BandedPages(Layout layout, HeaderBand header, DetailBand detail, int itemCount);

    int count() const override;
    ReportPage page(int index) const override;
    int itemsPerPage() const;

private:
    Layout m_layout;
    HeaderBand m_header;
    DetailBand m_detail;
    int m_itemCount;
};

// Reports how far a long output has come; returning false cancels it.
using PageProgress = std::function<bool(int pagesDone, int pageCount)>;
