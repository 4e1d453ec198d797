#pragma once
// Checks that a window shows a real text on every caption in both languages: its title and every
// label, button and group-box caption that it does not hide. A caption that is empty or only a
// number (a language key that was not replaced) fails.

#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

namespace testenv {

// make builds the window after the language has been set (its load reads the texts); exempt
// names controls whose empty text is intended (value labels filled later, spacers).
void ExpectCaptionsInBothLanguages(const std::function<std::unique_ptr<QWidget>()> &make,
                                   const QStringList &exempt = {});

} // namespace testenv
