#pragma once

#include "framesizeform.h"

// The size window of layout 2: the height of the upper frame.
class Tlayout2form : public FrameSizeForm
{
    Q_OBJECT

public:
    explicit Tlayout2form(QWidget *parent = nullptr);
};
