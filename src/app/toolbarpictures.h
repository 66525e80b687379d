#pragma once

#include <QIcon>

// The toolbar's 23 pictures, left to right from 1. Each is drawn as lines
// and shapes when it is first painted, at the size asked for: nothing is
// decoded at start-up, and the pictures stay sharp at any scale. A disabled
// button's picture is drawn in grey.
QIcon toolbarPicture(int place);
