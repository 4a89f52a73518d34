#include "reports/ReportPage.h"

namespace {

template<typename T, typename Page> auto* findNamed(Page& page, const QString& name)
{
    using Result = std::conditional_t<std::is_const_v<Page>, const T, T>;
    for (auto& element : page.elements) {
        if (auto* e = std::get_if<T>(&element); e && e->name == name)
            return static_cast<Result*>(e);
    }
    return static_cast<Result*>(nullptr);
}

} // namespace

TextElement* ReportPage::text(const QString& name)
{
    return findNamed<TextElement>(*this, name);
}

const TextElement* ReportPage::text(const QString& name) const
{
    return findNamed<TextElement>(*this, name);
}

RectElement* ReportPage::rect(const QString& name)
{
    return findNamed<RectElement>(*this, name);
}

const RectElement* ReportPage::rect(const QString& name) const
{
    return findNamed<RectElement>(*this, name);
}

PictureElement* ReportPage::picture(const QString& name)
{
    return findNamed<PictureElement>(*this, name);
}

const PictureElement* ReportPage::picture(const QString& name) const
{
    return findNamed<PictureElement>(*this, name);
}
