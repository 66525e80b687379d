#pragma once

#include "framenamesform.h"

// The names window of layout 3: the upper, the left and the right frame.
class Tlayout33form : public FrameNamesForm
{
    Q_OBJECT

public:
    explicit Tlayout33form(QWidget *parent = nullptr);
};
