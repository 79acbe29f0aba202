// The keys the views react to must arrive with the codes a real keyboard sends.
#include <gtest/gtest.h>

#include "qt/KeyMap.h"

namespace dulm {
namespace {

TEST(KeyMap, MainRowDigitIsTheDigitKey) {
    EXPECT_EQ(KeyMap::Translate(Qt::Key_7, Qt::NoModifier), (KeyStroke{'7', 0x08}));
    EXPECT_EQ(KeyMap::Translate(Qt::Key_0, Qt::ShiftModifier), (KeyStroke{'0', 0x0B}));
}

TEST(KeyMap, KeypadDigitHasAKeypadScanCode) {
    const KeyStroke seven = KeyMap::Translate(Qt::Key_7, Qt::KeypadModifier);
    EXPECT_EQ(seven, (KeyStroke{0x67, 0x47}));
    EXPECT_GT(KeyMap::Translate(Qt::Key_0, Qt::KeypadModifier).scan, 0x46u);
}

TEST(KeyMap, EscapeScansOneAndPauseAndNumLockShareTheirScanCode) {
    EXPECT_EQ(KeyMap::Translate(Qt::Key_Escape, Qt::NoModifier), (KeyStroke{0x1B, 1}));
    EXPECT_EQ(KeyMap::Translate(Qt::Key_Pause, Qt::NoModifier), (KeyStroke{0x13, 0x45}));
    EXPECT_EQ(KeyMap::Translate(Qt::Key_NumLock, Qt::NoModifier), (KeyStroke{0x90, 0x45}));
}

TEST(KeyMap, LettersAndOtherNamedKeys) {
    EXPECT_EQ(KeyMap::Translate(Qt::Key_S, Qt::NoModifier), (KeyStroke{'S', 0x1F}));
    EXPECT_EQ(KeyMap::Translate(Qt::Key_F1, Qt::NoModifier), (KeyStroke{0x70, 0x3B}));
    EXPECT_EQ(KeyMap::Translate(Qt::Key_Space, Qt::NoModifier), (KeyStroke{0x20, 0x39}));
    EXPECT_EQ(KeyMap::Translate(Qt::Key_Enter, Qt::KeypadModifier).vk, 0x0Du);
}

TEST(KeyMap, UnknownKeysKeepAVirtualKeyButNoScanCode) {
    EXPECT_EQ(KeyMap::Translate(Qt::Key_F2, Qt::NoModifier), (KeyStroke{0x71, 0}));
    EXPECT_EQ(KeyMap::Translate(Qt::Key_Left, Qt::NoModifier), (KeyStroke{0x25, 0}));
    EXPECT_EQ(KeyMap::Translate(Qt::Key_Eacute, Qt::NoModifier), (KeyStroke{0, 0}));
}

TEST(KeyMap, AcceleratorsBecomeTheirKeySequences) {
    EXPECT_EQ(KeyMap::Shortcut({'N', true, false, false, 0}), QKeySequence("Ctrl+N"));
    EXPECT_EQ(KeyMap::Shortcut({0x70, false, true, false, 0}), QKeySequence("Shift+F1"));
    EXPECT_EQ(KeyMap::Shortcut({0x08, false, false, true, 0}), QKeySequence("Alt+Backspace"));
    EXPECT_EQ(KeyMap::Shortcut({0x2D, false, true, false, 0}), QKeySequence("Shift+Ins"));
    EXPECT_EQ(KeyMap::Shortcut({0x75, false, false, false, 0}), QKeySequence("F6"));
}

}  // namespace
}  // namespace dulm
