#pragma once
// Key codes, shift states and character codes as the program's key handlers expect them: the
// KeyDown code of a key (Windows virtual-key numbers: 13 Enter, 37..40 the arrows, 65..90 the
// letters whatever the Caps Lock state), the Shift argument (1 Shift, 2 Ctrl, 4 Alt, added) and
// the KeyPress character code (13 for Enter, 10 for Ctrl+Enter, 8 Backspace, 27 Escape, 1..26 for Ctrl+A..Ctrl+Z,
// otherwise the character's code, above 127 for characters beyond ASCII).

#include <Qt>

class QKeyEvent;

inline constexpr int vbShiftMask = 1;
inline constexpr int vbCtrlMask = 2;
inline constexpr int vbAltMask = 4;

inline constexpr int vbKeyReturn = 13;
inline constexpr int vbKeyLeft = 37;
inline constexpr int vbKeyUp = 38;
inline constexpr int vbKeyRight = 39;
inline constexpr int vbKeyDown = 40;
inline constexpr int vbKeyC = 67;
inline constexpr int vbKeyV = 86;
inline constexpr int vbKeyX = 88;

// The KeyDown code of the event's key, 0 for a key without one.
int VbKeyCode(const QKeyEvent *event);
// The Shift argument for these modifiers.
int VbShiftState(Qt::KeyboardModifiers modifiers);
// The KeyPress character code of the event, 0 when the key gives no character.
int VbKeyAscii(const QKeyEvent *event);
