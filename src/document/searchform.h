#pragma once

#include "searchdialog.h"

// The search window. OK becomes available once something is typed and
// stays so, also when the text is emptied again.
class Tsearchform : public SearchDialog
{
    Q_OBJECT

public:
    explicit Tsearchform(bool selectionOnly, QWidget *parent = nullptr);
};
