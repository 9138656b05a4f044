// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class RankingForm;

/// How a shown list differs from its model list (items, order or selection),
/// or an empty string when every shown list mirrors its list exactly.
[[nodiscard]] QString MirrorFault(const RankingForm &form);
