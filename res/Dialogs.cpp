#include "res/Dialogs.h"

#include "platform/Messages.h"
#include "res/Resources.h"

namespace dulm::res {

namespace {

using K = ControlKind;

DialogControl Label(std::string text, DialogRect r) { return {K::Static, -1, std::move(text), r}; }
DialogControl Edit(int id, DialogRect r) { return {K::Edit, id, "", r}; }
DialogControl Ok(DialogRect r) { return {K::DefPushButton, IDOK, "OK", r}; }
DialogControl Cancel(DialogRect r) { return {K::PushButton, IDCANCEL, "Cancel", r}; }
DialogControl Radio(int id, std::string text, DialogRect r, bool group = false, bool textLeft = false) {
    return {K::AutoRadio, id, std::move(text), r, group, textLeft};
}

// The four population shapes of the sampling dialogs, one under the other at x, 13 units apart.
std::vector<DialogControl> ShapeRadios(int x, int y, int width, int dy) {
    return {Radio(1003, "Uniform", {x, y, width, 10}, true), Radio(1004, "V-shaped", {x, y + dy, width, 10}),
            Radio(1005, "Triangular", {x, y + 2 * dy, width, 10}), Radio(1006, "Normal", {x, y + 3 * dy, width, 10})};
}

DialogTemplate Make(unsigned id, std::string caption, DialogRect rect, std::vector<DialogControl> controls) {
    return DialogTemplate{id, std::move(caption), "MS Sans Serif", 8, rect, std::move(controls)};
}

DialogTemplate WithShapes(DialogTemplate t, std::vector<DialogControl> shapes) {
    // The radio buttons follow the two edits in tab order, as in the templates.
    t.controls.insert(t.controls.begin() + 2, shapes.begin(), shapes.end());
    return t;
}

}  // namespace

const DialogTemplate& AboutDialog() {
    static const DialogTemplate t = Make(
        IDD_ABOUTBOX, "About Dulm", {34, 22, 217, 55},
        {{K::Icon, -1, "", {11, 17, 20, 20}},
         Label("Dulm Application Version 1.0  Statistical Demonstrations", {40, 10, 86, 20}), Ok({176, 6, 32, 14})});
    return t;
}

const DialogTemplate& PairsDialog() {
    static const DialogTemplate t =
        // The edit comes first in tab order, so that the dialog opens on it; the question has room
        // for its three lines, the range included.
        Make(IDD_PAIRS, "How many pairs?", {0, 0, 142, 58},
             {Label("How many pairs of points do you want to interchange? (1 - 10)", {6, 6, 84, 26}),
              Edit(1001, {6, 37, 32, 13}), Ok({100, 6, 36, 14}), Cancel({100, 26, 36, 14})});
    return t;
}

const DialogTemplate& CentralDialog() {
    static const DialogTemplate t = WithShapes(
        Make(IDD_CENTRAL, "Choose Parameters", {0, 0, 189, 108},
             {Edit(1002, {66, 18, 40, 13}), Edit(1001, {66, 44, 40, 13}), Ok({24, 82, 50, 14}),
              Cancel({109, 82, 50, 14}), Label("Number of Samples", {1, 18, 64, 8}),
              Label("1000 - 50000", {13, 27, 50, 8}), Label("Sample Size", {13, 42, 50, 8}),
              Label("1 - 100", {19, 51, 40, 8})}),
        ShapeRadios(134, 18, 44, 13));
    return t;
}

const DialogTemplate& StudentTDialog() {
    static const DialogTemplate t = WithShapes(
        Make(IDD_STUDENTT, "Choose Parameters", {0, 0, 208, 92},
             {Edit(1002, {88, 9, 40, 13}), Edit(1001, {88, 36, 40, 13}), Ok({26, 73, 50, 14}),
              Cancel({111, 73, 50, 14}), Label("Number of Samples", {3, 9, 81, 8}), Label("1000 - 50000", {12, 17, 53, 8}),
              Label("Sample Size", {13, 33, 72, 8}), Label("2 - 100", {21, 41, 32, 8})}),
        ShapeRadios(149, 10, 58, 13));
    return t;
}

const DialogTemplate& VarianceDialog() {
    static const DialogTemplate t = WithShapes(
        Make(IDD_VARIANCE, "Choose Parameters", {0, 0, 218, 92},
             {Edit(1002, {89, 9, 40, 13}), Edit(1001, {89, 35, 40, 13}), Ok({26, 73, 50, 14}),
              Cancel({111, 73, 50, 14}), Label("Number of Samples", {3, 9, 83, 8}), Label("1000 - 50000", {15, 18, 51, 8}),
              Label("Sample Size", {12, 32, 73, 8}), Label("2 - 50", {24, 40, 44, 8})}),
        ShapeRadios(162, 10, 56, 13));
    return t;
}

const DialogTemplate& CompleteMeansDialog() {
    static const DialogTemplate t =
        Make(IDD_COMPLETEMEANS, "Parameters", {0, 0, 167, 92},
             {Edit(1002, {65, 16, 40, 13}), Edit(1001, {65, 62, 40, 13}), Ok({128, 17, 31, 14}),
              Cancel({128, 59, 31, 14}), Label("Population Size", {3, 18, 60, 8}), Label(" 2 - 5", {20, 29, 30, 8}),
              Label("Sample Size", {2, 64, 60, 8}), Label(" 1 - 5", {18, 74, 30, 8})});
    return t;
}

const DialogTemplate& SpinnerDialog() {
    static const DialogTemplate t =
        Make(IDD_SPINNER, "Choose Probability", {0, 0, 186, 53},
             {Radio(1003, "Left Probability = 1/2", {13, 13, 101, 10}, true, true),
              Radio(1004, "Left Probability = 3/4", {13, 29, 101, 10}, false, true), Ok({146, 7, 33, 14}),
              Cancel({146, 30, 33, 14})});
    return t;
}

const DialogTemplate& BinomialDialog() {
    static const DialogTemplate t =
        Make(IDD_BINOMIAL, "Choose Probability of Left", {0, 0, 186, 47},
             {Label("Probability of left", {7, 18, 59, 8}), Edit(1002, {70, 16, 28, 13}), Ok({130, 6, 50, 14}),
              Cancel({130, 23, 50, 14})});
    return t;
}

const DialogTemplate& AlphaDialog() {
    static const DialogTemplate t =
        Make(IDD_ALPHA, "Choose Parameters", {0, 0, 168, 93},
             {Radio(1003, "Normal", {12, 12, 56, 10}, true, true), Radio(1004, "Student's", {12, 28, 56, 10}, false, true),
              Radio(1005, "ChiSquare", {12, 44, 56, 10}, false, true),
              Radio(1011, "One-tailed", {92, 12, 60, 10}, true, true),
              Radio(1012, "Two-tailed", {92, 28, 60, 10}, false, true), Ok({20, 70, 50, 14}), Cancel({98, 70, 50, 14})});
    return t;
}

const DialogTemplate& ZentralDialog() {
    static const DialogTemplate t = WithShapes(
        Make(IDD_ZENTRAL, "Choose Parameters", {0, 0, 212, 92},
             {Edit(1002, {92, 9, 40, 13}), Edit(1001, {92, 35, 40, 13}), Ok({26, 73, 50, 14}),
              Cancel({111, 73, 50, 14}), Label("Number of Samples", {3, 9, 85, 8}), Label("1000 - 50000", {13, 17, 59, 8}),
              Label("Sample Size", {12, 32, 76, 8}), Label("1 - 100", {22, 40, 43, 8})}),
        ShapeRadios(152, 10, 58, 13));
    return t;
}

const DialogTemplate& PowerDialog() {
    static const DialogTemplate t =
        Make(IDD_POWER, "Enter Sample Size", {0, 0, 186, 92},
             {Label("Sample Size", {20, 24, 50, 8}), Edit(1002, {72, 22, 40, 13}), Label("(1-20)", {118, 24, 30, 8}),
              Ok({30, 64, 50, 14}), Cancel({106, 64, 50, 14})});
    return t;
}

const std::vector<const DialogTemplate*>& AllDialogs() {
    static const std::vector<const DialogTemplate*> all = {
        &AboutDialog(),   &PairsDialog(),   &CentralDialog(), &StudentTDialog(), &VarianceDialog(), &CompleteMeansDialog(),
        &SpinnerDialog(), &BinomialDialog(), &AlphaDialog(),  &ZentralDialog(),  &PowerDialog()};
    return all;
}

std::string RadioGroupName(unsigned dialogId, int firstId) {
    switch (dialogId) {
    case IDD_CENTRAL:
    case IDD_STUDENTT:
    case IDD_VARIANCE:
    case IDD_ZENTRAL: return firstId == 1003 ? "Population" : "";
    case IDD_ALPHA: return firstId == 1003 ? "Distribution" : firstId == 1011 ? "Tails" : "";
    case IDD_SPINNER: return firstId == 1003 ? "Probability of left" : "";
    default: return "";
    }
}

}  // namespace dulm::res
