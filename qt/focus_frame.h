// SPDX-License-Identifier: MIT
#pragma once

class QFrame;

/// Draws a highlight line over the frame of @p frame while it has the focus.
/// Call after the frame itself is painted: not every widget style marks a
/// focused list or text box, and a keyboard user must always see where the
/// focus is.
void paintFocusFrame(QFrame *frame);
