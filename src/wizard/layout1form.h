#pragma once

#include "framesizeform.h"

// The size window of layout 1: the width of the left frame.
class Tlayout1form : public FrameSizeForm
{
    Q_OBJECT

public:
    explicit Tlayout1form(QWidget *parent = nullptr);
};
