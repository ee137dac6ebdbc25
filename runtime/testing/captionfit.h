// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Whether the texts of a window's controls fit the room their design gives them, judged
// from the font metrics of each control as it is laid out, at whatever scale the run has.
namespace runtime::testing {

// Why the text of one widget does not fit it, or the empty text when it fits:
//   a button's caption wraps at spaces within the button's inner area;
//   a word-wrapped label's caption wraps within the label;
//   any other label, an option button, a frame's caption and a text box's text keep to
//   one line within the control.
QString captionMisfit(const QWidget& widget);

// One line "name: 'text': why" for each widget in `top`, `top` included, whose text
// does not fit; names are the object names, or the class when there is none.
QStringList captionMisfits(const QWidget& top);

}  // namespace runtime::testing
