#pragma once

#include "framesizeform.h"

// The size window of layout 4: the height of the upper frame on the right,
// then the width of the left column.
class Tlayout4form : public FrameSizeForm
{
    Q_OBJECT

public:
    explicit Tlayout4form(QWidget *parent = nullptr);
};
