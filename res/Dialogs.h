// Dialog templates.
#pragma once

#include <string>
#include <vector>

#include "platform/DialogTemplate.h"

namespace dulm::res {

const DialogTemplate& AboutDialog();             // 100
const DialogTemplate& PairsDialog();             // 102
const DialogTemplate& CentralDialog();           // 103
const DialogTemplate& StudentTDialog();          // 107
const DialogTemplate& VarianceDialog();          // 108
const DialogTemplate& CompleteMeansDialog();     // 109
const DialogTemplate& SpinnerDialog();           // 115
const DialogTemplate& BinomialDialog();          // 118
const DialogTemplate& AlphaDialog();             // 123
const DialogTemplate& ZentralDialog();           // 125
const DialogTemplate& PowerDialog();             // 127

// Every template above, in the order of their ids.
const std::vector<const DialogTemplate*>& AllDialogs();

// What a screen reader calls the radio group that starts at firstId in the dialog: the templates
// draw no caption around their groups, whose meaning the layout shows. Empty for no such group.
std::string RadioGroupName(unsigned dialogId, int firstId);

}  // namespace dulm::res
