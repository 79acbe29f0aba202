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

}  // namespace dulm
