#pragma once

#include "framenamesform.h"

// The names window of layout 2: the upper and the lower frame.
class Tlayout22form : public FrameNamesForm
{
    Q_OBJECT

public:
    explicit Tlayout22form(QWidget *parent = nullptr);
};
