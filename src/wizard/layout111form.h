#pragma once

#include "frameoptionsform.h"

// The options window of layout 1: the left and the right frame.
class Tlayout111form : public FrameOptionsForm
{
    Q_OBJECT

public:
    explicit Tlayout111form(QWidget *parent = nullptr);
};
