// X key events and pointer masks as the toolkit's keys and mouse state word.
// GoogleTest first: the X headers' macros (None, Bool) would break its names.
#include <gtest/gtest.h>

#include "key_translation.h"

#include <X11/keysym.h>

namespace fendwick {
namespace {

TEST(X11KeyTranslation, ArrowKeysBecomeVirtualKeysWithoutCharacter)
{
    EXPECT_EQ(keyEventFor(XK_Left, "", 0, 0).virtualKey, 11);
    EXPECT_EQ(keyEventFor(XK_Up, "", 0, 0).virtualKey, 12);
    EXPECT_EQ(keyEventFor(XK_Right, "", 0, 0).virtualKey, 13);
    EXPECT_EQ(keyEventFor(XK_Down, "", 0, 0).virtualKey, 14);
    EXPECT_EQ(keyEventFor(XK_KP_Up, "8", 1, 0).virtualKey, 12);
    EXPECT_EQ(keyEventFor(XK_KP_Up, "8", 1, 0).character, 0);
}

TEST(X11KeyTranslation, OtherKeysGiveTheirCharacter)
{
    const KeyEvent a = keyEventFor(XK_a, "a", 1, 0);
    EXPECT_EQ(a.character, 'a');
    EXPECT_EQ(a.virtualKey, 0);
    // Latin-1 bytes stay positive.
    EXPECT_EQ(keyEventFor(XK_eacute, "\xe9", 1, 0).character, 0xE9);
    // A key that makes no text (a lone Shift) gives neither.
    const KeyEvent shift = keyEventFor(XK_Shift_L, "", 0, 0);
    EXPECT_EQ(shift.character, 0);
    EXPECT_EQ(shift.virtualKey, 0);
}

TEST(X11KeyTranslation, ModifiersBecomeThePluginInterfaceBits)
{
    EXPECT_EQ(keyEventFor(XK_Up, "", 0, ShiftMask).modifiers, 1);
    EXPECT_EQ(keyEventFor(XK_Up, "", 0, Mod1Mask).modifiers, 2);
    EXPECT_EQ(keyEventFor(XK_Up, "", 0, ControlMask).modifiers, 8);
    EXPECT_EQ(keyEventFor(XK_Up, "", 0, ShiftMask | Mod1Mask | ControlMask).modifiers, 11);
    // Caps Lock, Num Lock and the buttons are no modifiers of a key record.
    EXPECT_EQ(keyEventFor(XK_Up, "", 0, LockMask | Mod2Mask | Button1Mask).modifiers, 0);
}

TEST(X11MouseStateTranslation, ButtonsAndModifiersMapToTheirBits)
{
    EXPECT_EQ(mouseStateFor(0), 0);
    EXPECT_EQ(mouseStateFor(Button1Mask), MouseState::primary);
    EXPECT_EQ(mouseStateFor(Button2Mask), MouseState::middle);
    EXPECT_EQ(mouseStateFor(Button3Mask), MouseState::secondary);
    EXPECT_EQ(mouseStateFor(ShiftMask), MouseState::shift);
    EXPECT_EQ(mouseStateFor(ControlMask), MouseState::control);
    EXPECT_EQ(mouseStateFor(Mod1Mask), MouseState::alt);
    // Control + primary is the knob's "back to default" click.
    EXPECT_EQ(mouseStateFor(Button1Mask | ControlMask), 17);
    // Wheel buttons, locks and other modifiers must not look like a held button.
    EXPECT_EQ(mouseStateFor(Button4Mask | Button5Mask | LockMask | Mod2Mask | Mod4Mask), 0);
}

TEST(X11MouseStateTranslation, OnlyTheThreeButtonsHaveABit)
{
    EXPECT_EQ(mouseStateBitOfButton(Button1), MouseState::primary);
    EXPECT_EQ(mouseStateBitOfButton(Button2), MouseState::middle);
    EXPECT_EQ(mouseStateBitOfButton(Button3), MouseState::secondary);
    EXPECT_EQ(mouseStateBitOfButton(Button4), 0);
    EXPECT_EQ(mouseStateBitOfButton(Button5), 0);
    EXPECT_EQ(mouseStateBitOfButton(8), 0);
}

}  // namespace
}  // namespace fendwick
