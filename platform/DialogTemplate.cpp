#include "platform/DialogTemplate.h"

namespace dulm {

const DialogControl* DialogTemplate::Find(int controlId) const {
    for (const DialogControl& c : controls)
        if (c.id == controlId) return &c;
    return nullptr;
}

namespace {
bool IsRadio(const DialogControl& c) { return c.kind == ControlKind::AutoRadio || c.kind == ControlKind::Radio; }
}  // namespace

std::vector<const DialogControl*> DialogTemplate::RadioGroup(int firstId) const {
    std::vector<const DialogControl*> group;
    bool inGroup = false;
    for (const DialogControl& c : controls) {
        if (!inGroup) {
            inGroup = c.id == firstId && IsRadio(c);
            if (inGroup) group.push_back(&c);
            continue;
        }
        if (!IsRadio(c) || c.group) break;
        group.push_back(&c);
    }
    return group;
}

namespace {
bool Overlap(int a, int aLength, int b, int bLength) { return a < b + bLength && b < a + aLength; }
}  // namespace

EditLabels LabelsOf(const DialogTemplate& tmpl, const DialogControl& edit) {
    EditLabels labels;
    const DialogRect& e = edit.rect;
    std::vector<const DialogControl*> row;
    for (const DialogControl& c : tmpl.controls) {
        if (c.kind != ControlKind::Static || c.text.empty() || !Overlap(c.rect.y, c.rect.cy, e.y, e.cy)) continue;
        row.push_back(&c);
        if (c.rect.x < e.x && (!labels.name || c.rect.y < labels.name->rect.y)) labels.name = &c;
    }
    for (const DialogControl* c : row)
        if (c != labels.name) labels.hints.push_back(c);
    if (labels.name) return labels;
    int nearest = 0;  // the bottom of the nearest text above, over the edit
    for (const DialogControl& c : tmpl.controls) {
        const DialogRect& r = c.rect;
        if (c.kind != ControlKind::Static || c.text.empty() || r.y + r.cy > e.y || !Overlap(r.x, r.cx, e.x, e.cx))
            continue;
        if (!labels.name || r.y + r.cy > nearest) {
            labels.name = &c;
            nearest = r.y + r.cy;
        }
    }
    return labels;
}

}  // namespace dulm
