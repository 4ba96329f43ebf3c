#include "CRect.h"

#include <algorithm>

void CRect::NormalizeRect()
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

bool CRect::IntersectRect(const RECT& a, const RECT& b)
{
    CRect r(std::max(a.left, b.left), std::max(a.top, b.top),
            std::min(a.right, b.right), std::min(a.bottom, b.bottom));
    if (r.IsRectEmpty())
        r.SetRectEmpty();
    *this = r;
    return !IsRectEmpty();
}

bool CRect::UnionRect(const RECT& a, const RECT& b)
{
    const CRect ra(a), rb(b);
    if (ra.IsRectEmpty())
        *this = rb;
    else if (rb.IsRectEmpty())
        *this = ra;
    else
        SetRect(std::min(a.left, b.left), std::min(a.top, b.top),
                std::max(a.right, b.right), std::max(a.bottom, b.bottom));
    if (IsRectEmpty())
        SetRectEmpty();
    return !IsRectEmpty();
}
