#pragma once
// Caption localisation of the windows that keep their language keys in their controls (the main
// window and the About box). A window marks its keys so:
//   - the window and any control: the dynamic property "Tag" (text) holds the key of its caption;
//   - a menu item (QAction in a menu, also a menu's own menuAction): the "Tag" property, or else
//     a caption that is a number, which the first call moves into "Tag";
//   - a toolbar button (QAction whose parent is a QToolBar) and any control: its tool tip holds a
//     key until the first call replaces it by the text, so tool tips keep the language of that call;
//   - a tab of a QTabBar: tabData (tag) and tabToolTip.
// The window and every control also get the font named by language keys 20 (face) and 21 (size).

#include <QString>
#include <cstdint>

class QWidget;

// The whole text as a number, rounded half to even to a 16-bit key; false for a text that is not
// a number (also "") or a number outside -32768..32767.
bool StrictKey(const QString &text, int16_t &key);
// The number at the start of the text (blanks skipped, 0 when there is none), rounded half to
// even; 0 when it lies outside the 16-bit range.
int16_t LenientKey(const QString &text);

// Replaces the window's and its controls' keys by their texts in the current language, as above.
// A step that cannot be done (no such property, a key that fails its reading, a font the language
// file does not name) is skipped without a message.
void LocalizeFormCaptions(QWidget *form);
