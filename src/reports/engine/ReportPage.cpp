#include "reports/engine/ReportPage.h"

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

TextElement TextElement::autoSized(const QString& name, QPointF at, double pointSize, const QString& content)
{
    TextElement t;
    t.name = name;
    t.rect = QRectF(at, QSizeF(0, 0));
    t.style.pointSize = pointSize;
    if (!content.isEmpty())
        t.lines = QStringList {content};
    return t;
}

TextElement TextElement::fixed(const QString& name, const QRectF& rect, double pointSize)
{
    TextElement t;
    t.name = name;
    t.rect = rect;
    t.style.pointSize = pointSize;
    return t;
}

TextElement TextElement::printDate(const QString& name, QPointF rightTop, double pointSize)
{
    TextElement t = autoSized(name, rightTop, pointSize);
    t.kind = Kind::PrintDate;
    t.anchorRight = true;
    t.style.alignment = Qt::AlignRight;
    return t;
}

const CodeElement* ReportPage::code(const QString& name) const
{
    return findNamed<CodeElement>(*this, name);
}
