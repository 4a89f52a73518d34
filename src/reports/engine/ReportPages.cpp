#include "reports/engine/ReportPages.h"

#include "core/language/TextLanguage.h"

#include <cmath>

namespace {

// Moves an element from band coordinates onto the page.
void translate(ReportElement& element, QPointF by)
{
    std::visit(
        [by](auto& e) {
            using T = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<T, LineElement>) {
                e.from += by;
                e.to += by;
            } else {
                e.rect.translate(by);
            }
        },
        element);
}

void place(ReportPage& page, std::vector<ReportElement> band, QPointF at)
{
    for (ReportElement& element : band) {
        translate(element, at);
        page.elements.push_back(std::move(element));
    }
}

} // namespace

TranslatedPages::TranslatedPages(std::shared_ptr<const ReportPages> pages, QString language)
    : m_pages(std::move(pages)), m_language(std::move(language))
{ }

int TranslatedPages::count() const
{
    const TextLanguage::Scope language(m_language);
    return m_pages->count();
}

ReportPage TranslatedPages::page(int index) const
{
    const TextLanguage::Scope language(m_language);
    return m_pages->page(index);
}

FixedPages::FixedPages(std::vector<ReportPage> pages) : m_pages(std::move(pages)) { }

ReportPage FixedPages::page(int index) const
{
    ReportPage page = m_pages.at(size_t(index));
    page.number = index + 1;
    page.count = count();
    return page;
}

BandedPages::BandedPages(Layout layout, HeaderBand header, DetailBand detail, int itemCount)
    : m_layout(layout), m_header(std::move(header)), m_detail(std::move(detail)), m_itemCount(itemCount)
{ }

int BandedPages::itemsPerPage() const
{
    const double room
        = m_layout.pageSize.height() - m_layout.margins.top() - m_layout.margins.bottom() - m_layout.headerHeight;
    // A rounding error must not push the last band that fits onto the next page.
    return std::max(1, int(std::floor(room / m_layout.detailHeight + 1e-9)));
}

int BandedPages::count() const
{
    // An empty list is one page with its header.
    return std::max(1, (m_itemCount + itemsPerPage() - 1) / itemsPerPage());
}

ReportPage BandedPages::page(int index) const
{
    ReportPage page;
    page.size = m_layout.pageSize;
    page.number = index + 1;
    page.count = count();
    const QPointF origin(m_layout.margins.left(), m_layout.margins.top());
    place(page, m_header(page.number), origin);
    const int first = index * itemsPerPage();
    const int last = std::min(m_itemCount, first + itemsPerPage());
    for (int item = first; item < last; ++item)
        place(page, m_detail(item),
              origin + QPointF(0, m_layout.headerHeight + (item - first) * m_layout.detailHeight));
    return page;
}
