#pragma once

#include "frameoptionsform.h"

// The options window of layout 4: the left frame, then the upper and the
// lower frame beside it.
class Tlayout444form : public FrameOptionsForm
{
    Q_OBJECT

public:
    explicit Tlayout444form(QWidget *parent = nullptr);
};
