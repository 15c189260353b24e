#include "ui/framework/container.h"

#include "ui/framework/linear_arrangement.h"

using SkinUI::Edges;

std::wstring CContainer::GetClass() const { return L"Container"; }

CControl* CContainer::GetInterface(const std::wstring& name) {
    return name == L"Container" ? this : CControl::GetInterface(name);
}

void CContainer::Add(std::unique_ptr<CControl> control) {
    if (!control) return;
    CControl* added = control.get();
    items_.push_back(std::move(control));
    added->SetInternVisible(IsVisible() && ShowsChild(GetCount() - 1));
    if (GetManager() != nullptr) added->SetManager(GetManager(), true);
    NeedUpdate();
}

CControl* CContainer::GetItemAt(int index) const {
    if (index < 0 || index >= GetCount()) return nullptr;
    return items_[index].get();
}

void CContainer::SetManager(CPaintManager* manager, bool init) {
    // Children join first, so that a container's initialisation sees them ready.
    for (auto& item : items_) item->SetManager(manager, init);
    CControl::SetManager(manager, init);
}

CControl* CContainer::FindControl(const std::wstring& name) {
    if (CControl* self = CControl::FindControl(name)) return self;
    for (auto& item : items_) {
        if (CControl* found = item->FindControl(name)) return found;
    }
    return nullptr;
}

CControl* CContainer::FindControlAt(POINT point) {
    if (CControl::FindControlAt(point) == nullptr) return nullptr;
    // Later children are painted over earlier ones, so they are hit first.
    for (int i = GetCount() - 1; i >= 0; --i) {
        if (!IsActiveChild(i)) continue;
        if (CControl* hit = items_[i]->FindControlAt(point)) return hit;
    }
    return this;
}

void CContainer::SetPos(const RECT& rect) {
    CControl::SetPos(rect);
    for (int i = 0; i < GetCount(); ++i) {
        if (IsActiveChild(i)) items_[i]->SetPos(SkinUI::Deflate(rect, items_[i]->GetPadding()));
    }
}

void CContainer::SetVisible(bool visible) {
    CControl::SetVisible(visible);
    PassVisibilityDown();
}

void CContainer::SetInternVisible(bool visible) {
    CControl::SetInternVisible(visible);
    PassVisibilityDown();
}

void CContainer::PassVisibilityDown() {
    for (int i = 0; i < GetCount(); ++i) {
        items_[i]->SetInternVisible(IsVisible() && ShowsChild(i));
    }
}

void CContainer::DoPaint(SkinUI::RenderContext& context) {
    SkinUI::ClipScope clip(context, GetPos());
    if (clip.Empty()) return;
    CControl::DoPaint(context);
    for (int i = 0; i < GetCount(); ++i) {
        if (IsActiveChild(i)) items_[i]->DoPaint(context);
    }
}

bool CContainer::IsActiveChild(int index) const {
    return ShowsChild(index) && items_[index]->IsVisible();
}

void CContainer::ArrangeAlong(Axis axis) {
    const bool vertical = axis == Axis::Vertical;
    const RECT& rect = GetPos();
    std::vector<SkinUI::LineItem> line;
    std::vector<CControl*> arranged;
    for (int i = 0; i < GetCount(); ++i) {
        if (!IsActiveChild(i)) continue;
        CControl* item = items_[i].get();
        const Edges& padding = item->GetPadding();
        line.push_back(vertical
                           ? SkinUI::LineItem{item->GetFixedHeight(), padding.top, padding.bottom}
                           : SkinUI::LineItem{item->GetFixedWidth(), padding.left, padding.right});
        arranged.push_back(item);
    }
    const auto spans = vertical ? SkinUI::ArrangeLine(rect.top, SkinUI::Height(rect), line)
                                : SkinUI::ArrangeLine(rect.left, SkinUI::Width(rect), line);

    for (size_t i = 0; i < arranged.size(); ++i) {
        CControl* item = arranged[i];
        const Edges& padding = item->GetPadding();
        // Across the line a control fills the layout unless its size is fixed.
        const int crossStart = vertical ? rect.left + padding.left : rect.top + padding.top;
        const int crossEnd = vertical ? rect.right - padding.right : rect.bottom - padding.bottom;
        const int crossFixed = vertical ? item->GetFixedWidth() : item->GetFixedHeight();
        const int crossStop = crossFixed > 0 ? crossStart + crossFixed : crossEnd;
        const int lineEnd = spans[i].start + spans[i].length;
        item->SetPos(vertical ? RECT{crossStart, spans[i].start, crossStop, lineEnd}
                              : RECT{spans[i].start, crossStart, lineEnd, crossStop});
    }
}
