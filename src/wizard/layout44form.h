#pragma once

#include "framenamesform.h"

// The names window of layout 4: the left, the upper and the lower frame.
class Tlayout44form : public FrameNamesForm
{
    Q_OBJECT

public:
    explicit Tlayout44form(QWidget *parent = nullptr);
};
