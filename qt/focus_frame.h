// SPDX-License-Identifier: MIT
#pragma once

class QFrame;

/// Draws the two-pixel frame of a list or text box in fixed colours, as it
/// sits on the window's fixed colour: sunken while the box does not have the
/// focus, a solid line in the form's text colour while it has. The line
/// stands out at least 3:1 from the sunken frame, from the window colour and
/// from a selected row, in any desktop theme; not every widget style marks a
/// focused list or text box, and a keyboard user must always see where the
/// focus is. Call after the frame itself is painted.
void paintFocusFrame(QFrame *frame);
