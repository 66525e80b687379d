#pragma once

#include "frameoptionsform.h"

// The options window of layout 3: the top frame, then the left and the right
// frame below it.
class Tlayout333form : public FrameOptionsForm
{
    Q_OBJECT

public:
    explicit Tlayout333form(QWidget *parent = nullptr);
};
