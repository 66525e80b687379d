#pragma once

#include "colortypes.h"

#include <QStringView>

// 'navy', ' Navy ', '#000080' and '$000080' all give 0x800000; text that is
// neither one of the 16 colour names nor a hexadecimal number gives white.
TColor ColorFromText(QStringView text);
