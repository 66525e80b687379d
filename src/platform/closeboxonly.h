#pragma once

#include <Qt>

// A modal window whose title bar carries only the close box.
inline constexpr Qt::WindowFlags kCloseBoxOnly =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
