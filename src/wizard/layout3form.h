#pragma once

#include "framesizeform.h"

// The size window of layout 3: the height of the upper row, then the width
// of the left frame below it.
class Tlayout3form : public FrameSizeForm
{
    Q_OBJECT

public:
    explicit Tlayout3form(QWidget *parent = nullptr);
};
