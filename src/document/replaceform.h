#pragma once

#include "searchdialog.h"

// The replace window: the search window's fields and what to put in each
// match's place (which may stay empty). OK is available while there is
// something to look for.
class Treplaceform : public SearchDialog
{
    Q_OBJECT

public:
    explicit Treplaceform(bool selectionOnly, QWidget *parent = nullptr);

    QLabel *Label2;
    QLineEdit *reptext;

protected:
    void okbuttonClick() override;
};
