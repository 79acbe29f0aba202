// A dialog template as data: caption, font, size and controls in dialog units.
#pragma once

#include <string>
#include <vector>

namespace dulm {

enum class ControlKind { Static, Edit, PushButton, DefPushButton, AutoRadio, Radio, Icon };

struct DialogRect {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

struct DialogControl {
    ControlKind kind = ControlKind::Static;
    int id = -1;  // -1: a static text without an id
    std::string text;
    DialogRect rect;
    bool group = false;     // starts a group (WS_GROUP)
    bool textLeft = false;  // a radio button with its text to the left of the button
};

struct DialogTemplate {
    unsigned id = 0;
    std::string caption;
    std::string fontFace = "MS Sans Serif";
    int fontPoints = 8;
    DialogRect rect;  // position and size of the dialog
    std::vector<DialogControl> controls;

    const DialogControl* Find(int controlId) const;
    // The radio buttons of the group that starts at firstId, in template order.
    std::vector<const DialogControl*> RadioGroup(int firstId) const;
};

// The static texts that say what an edit is for, for screen readers and mnemonics: its name is
// the text at its left on its row (the upper one where a hint of its range sits below it), else
// the nearest text above it; the other texts of its row (the range) describe it, in template order.
struct EditLabels {
    const DialogControl* name = nullptr;
    std::vector<const DialogControl*> hints;
};
EditLabels LabelsOf(const DialogTemplate& tmpl, const DialogControl& edit);

}  // namespace dulm
