#pragma once

#include <QString>

// The three-line block "Link to Quendel" inserts, without a final line break.
QString homeLinkBlock();
