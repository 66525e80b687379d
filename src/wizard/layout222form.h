#pragma once

#include "frameoptionsform.h"

// The options window of layout 2: the upper and the lower frame.
class Tlayout222form : public FrameOptionsForm
{
    Q_OBJECT

public:
    explicit Tlayout222form(QWidget *parent = nullptr);
};
