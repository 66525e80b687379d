#pragma once

#include "framenamesform.h"

// The names window of layout 1: the left and the right frame.
class Tlayout11form : public FrameNamesForm
{
    Q_OBJECT

public:
    explicit Tlayout11form(QWidget *parent = nullptr);
};
