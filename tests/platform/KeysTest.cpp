// The key helpers the views read their keys with: digits of both rows, the step keys, Enter and
// the arrows, and the names scripted input and the browser edition know keys by.
#include <gtest/gtest.h>

#include "platform/Keys.h"

namespace dulm {
namespace {

// nFlags of a key: its scan code in the low byte.
unsigned Flags(const KeyStroke& k) { return k.scan; }

TEST(Keys, DigitsOfTheTopRowAndOfTheKeypadAreDigitsOnlyTheKeypadsAreKeypadDigits) {
    for (int d = 0; d <= 9; ++d) {
        EXPECT_EQ(DigitOfKey(DigitKey(d).vk, Flags(DigitKey(d))), d);
        EXPECT_EQ(DigitOfKey(KeypadDigitKey(d).vk, Flags(KeypadDigitKey(d))), d);
        EXPECT_EQ(KeypadDigitOfKey(KeypadDigitKey(d).vk, Flags(KeypadDigitKey(d))), d);
        EXPECT_FALSE(KeypadDigitOfKey(DigitKey(d).vk, Flags(DigitKey(d))));
    }
    const KeyStroke a = *KeyByName("a");
    EXPECT_FALSE(DigitOfKey(a.vk, Flags(a)));
}

TEST(Keys, PauseNumLockAndSpaceStepOtherKeysDoNot) {
    for (const char* name : {"pause", "numlock", "space"}) {
        const KeyStroke k = *KeyByName(name);
        EXPECT_TRUE(IsStepKey(k.vk, Flags(k))) << name;
    }
    for (const char* name : {"enter", "s", "0", "num5", "esc", "left"}) {
        const KeyStroke k = *KeyByName(name);
        EXPECT_FALSE(IsStepKey(k.vk, Flags(k))) << name;
    }
}

TEST(Keys, ArrowsStepOneUnitAcrossOrDownAndEnterIsReturn) {
    EXPECT_EQ(ArrowOfKey(KeyByName("left")->vk), (ArrowStep{-1, 0}));
    EXPECT_EQ(ArrowOfKey(KeyByName("right")->vk), (ArrowStep{1, 0}));
    EXPECT_EQ(ArrowOfKey(KeyByName("up")->vk), (ArrowStep{0, -1}));
    EXPECT_EQ(ArrowOfKey(KeyByName("down")->vk), (ArrowStep{0, 1}));
    EXPECT_FALSE(ArrowOfKey(KeyByName("enter")->vk));
    EXPECT_FALSE(ArrowOfKey(KeyByName("8")->vk));
    // Virtual keys 0x25 to 0x28, as the desktop passes them on: scan code 0, not a keypad key.
    EXPECT_EQ(*KeyByName("left"), (KeyStroke{0x25, 0}));
    EXPECT_EQ(*KeyByName("down"), (KeyStroke{0x28, 0}));
    EXPECT_TRUE(IsEnterKey(KeyByName("enter")->vk));
    EXPECT_FALSE(IsEnterKey(KeyByName("space")->vk));
}

}  // namespace
}  // namespace dulm
