// SPDX-License-Identifier: MIT
#pragma once

/// Gives Qt's own texts (the statement's context menu, for one) in Bulgarian,
/// like the rest of the window, whatever the user's locale: the system's Qt
/// translation where installed, else the copy built into the program.
/// Returns false when it could not be installed.
bool installBulgarianQtTexts();
