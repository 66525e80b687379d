#pragma once

#include "framenamesform.h"
#include "frameoptionsform.h"
#include "framesizeform.h"

// The windows of the four layouts, each one of three kinds filled from one
// record: the size window (layout n), the names window (nn) and the options
// window (nnn).

// The size window of layout 1: the width of the left frame.
class Tlayout1form : public FrameSizeForm
{
    Q_OBJECT

public:
    explicit Tlayout1form(QWidget *parent = nullptr);
};

// The size window of layout 2: the height of the upper frame.
class Tlayout2form : public FrameSizeForm
{
    Q_OBJECT

public:
    explicit Tlayout2form(QWidget *parent = nullptr);
};

// The size window of layout 3: the height of the upper row, then the width
// of the left frame below it.
class Tlayout3form : public FrameSizeForm
{
    Q_OBJECT

public:
    explicit Tlayout3form(QWidget *parent = nullptr);
};

// The size window of layout 4: the height of the upper frame on the right,
// then the width of the left column.
class Tlayout4form : public FrameSizeForm
{
    Q_OBJECT

public:
    explicit Tlayout4form(QWidget *parent = nullptr);
};

// The names window of layout 1: the left and the right frame.
class Tlayout11form : public FrameNamesForm
{
    Q_OBJECT

public:
    explicit Tlayout11form(QWidget *parent = nullptr);
};

// The names window of layout 2: the upper and the lower frame.
class Tlayout22form : public FrameNamesForm
{
    Q_OBJECT

public:
    explicit Tlayout22form(QWidget *parent = nullptr);
};

// The names window of layout 3: the upper, the left and the right frame.
class Tlayout33form : public FrameNamesForm
{
    Q_OBJECT

public:
    explicit Tlayout33form(QWidget *parent = nullptr);
};

// The names window of layout 4: the left, the upper and the lower frame.
class Tlayout44form : public FrameNamesForm
{
    Q_OBJECT

public:
    explicit Tlayout44form(QWidget *parent = nullptr);
};

// The options window of layout 1: the left and the right frame.
class Tlayout111form : public FrameOptionsForm
{
    Q_OBJECT

public:
    explicit Tlayout111form(QWidget *parent = nullptr);
};

// The options window of layout 2: the upper and the lower frame.
class Tlayout222form : public FrameOptionsForm
{
    Q_OBJECT

public:
    explicit Tlayout222form(QWidget *parent = nullptr);
};

// The options window of layout 3: the top frame, then the left and the right
// frame below it.
class Tlayout333form : public FrameOptionsForm
{
    Q_OBJECT

public:
    explicit Tlayout333form(QWidget *parent = nullptr);
};

// The options window of layout 4: the left frame, then the upper and the
// lower frame beside it.
class Tlayout444form : public FrameOptionsForm
{
    Q_OBJECT

public:
    explicit Tlayout444form(QWidget *parent = nullptr);
};
