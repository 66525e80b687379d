#pragma once

#include "wizarddialog.h"

class DirectoryEdit;
class QLabel;

// The directory window: where the pages of the frame site go. It starts at
// the starting directory for saving.
class Tdirdia : public WizardDialog
{
    Q_OBJECT

public:
    explicit Tdirdia(QWidget *parent = nullptr);

    QLabel *text;
    DirectoryEdit *directory;
};
