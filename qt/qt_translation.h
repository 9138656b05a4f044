// SPDX-License-Identifier: MIT
#pragma once

/// Gives Qt's own texts (the statement's context menu, for one) in Bulgarian,
/// like the rest of the window, whatever the user's locale. The translation
/// is built into the program. Returns false when it could not be installed.
bool installBulgarianQtTexts();
