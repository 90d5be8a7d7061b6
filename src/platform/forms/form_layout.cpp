// Aligned controls: each takes its edge of what the controls aligned before
// it left of the form's client area, at that area's full width (top and
// bottom) or height (left and right), and keeps it when the form is resized.

#include <algorithm>

#include "platform/forms/form_impl.h"

namespace kelvo::forms {
namespace {

// The free dimension of an aligned control: its height at the top or
// bottom, its width at the left or right.
double Extent(Align align, const TwipsRect& r) {
  return align == Align::Top || align == Align::Bottom ? r.height : r.width;
}

// Takes an edge of `area` for a control of that extent; `area` shrinks.
TwipsRect TakeEdge(Align align, TwipsRect& area, double extent) {
  TwipsRect r = area;
  switch (align) {
    case Align::Top:
      r.height = extent;
      area.top += extent;
      area.height = std::max(0.0, area.height - extent);
      break;
    case Align::Bottom:
      r.top = area.top + area.height - extent;
      r.height = extent;
      area.height = std::max(0.0, area.height - extent);
      break;
    case Align::Left:
      r.width = extent;
      area.left += extent;
      area.width = std::max(0.0, area.width - extent);
      break;
    case Align::Right:
      r.left = area.left + area.width - extent;
      r.width = extent;
      area.width = std::max(0.0, area.width - extent);
      break;
    case Align::None:
      break;
  }
  return r;
}

}  // namespace

std::vector<ControlSite*> FormImpl::AlignedSites() const {
  std::vector<ControlSite*> out;
  for (const auto& s : sites_) {
    if (s->ContainerSite() == nullptr && s->Alignment() != Align::None && s->Visible() && !s->Stopped()) {
      out.push_back(s.get());
    }
  }
  return out;
}

void FormImpl::LayoutAligned() {
  TwipsRect area{0, 0, clientWidth_, clientHeight_};
  for (ControlSite* s : AlignedSites()) {
    if (s->Stopped() || s->Alignment() == Align::None) continue;  // a Resize before may have changed it
    const Align align = s->Alignment();
    s->PlaceAligned(TakeEdge(align, area, Extent(align, s->Rect())));
  }
}

TwipsRect FormImpl::ConstrainAligned(const ControlSite& site, const TwipsRect& wanted) const {
  TwipsRect area{0, 0, clientWidth_, clientHeight_};
  for (ControlSite* s : AlignedSites()) {
    const Align align = s->Alignment();
    if (s == &site) return TakeEdge(align, area, Extent(align, wanted));
    TakeEdge(align, area, Extent(align, s->Rect()));
  }
  return TakeEdge(site.Alignment(), area, Extent(site.Alignment(), wanted));
}

}  // namespace kelvo::forms
