#pragma once

#include "wizarddialog.h"

#include <array>

class LayoutPicture;
class QPlainTextEdit;

// The layout chooser: a click on one of the four pictures chooses its
// layout and goes on; any other way out chooses none.
class Tfrwizard1 : public WizardDialog
{
    Q_OBJECT

public:
    explicit Tfrwizard1(QWidget *parent = nullptr);

    QPlainTextEdit *welcome;
    std::array<LayoutPicture *, 4> pictures; // layouts 1 to 4, left to right

    int layout() const { return m_layout; } // 0: none chosen

private:
    int m_layout = 0;
};
