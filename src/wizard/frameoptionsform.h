#pragma once

#include "wizarddialog.h"

#include <array>
#include <vector>

struct FrameWizardChoices;
class QCheckBox;
class QLabel;
class QRadioButton;

// What an options window asks, layout by layout.
struct OptionsWindowContents {
    std::vector<const char *> borderQuestions; // outerBorder's first, then innerBorder's
    std::vector<const char *> columns;         // each frame's heading, frame 1 first
    std::vector<int> scrollingStart;           // each frame's: 0 "Never", 1 "When needed", 2 "Always"
    bool noResizeStart;
    bool okFocused; // the OK button has the focus on show
};

// An options window: borders, and for each frame its scroll bars, its
// margins and whether it may be resized.
class FrameOptionsForm : public WizardDialog
{
    Q_OBJECT

public:
    struct BorderRow {
        QLabel *question;
        QRadioButton *yes;
        QRadioButton *no;
    };
    struct FrameColumn {
        QLabel *heading;
        std::array<QRadioButton *, 3> scrolling; // "Never", "When needed", "Always"
        QCheckBox *horizontal;
        QCheckBox *vertical;
        QCheckBox *noResize;
    };

    std::vector<BorderRow> borders;
    QLabel *scrollingLabel;
    QLabel *marginsLabel;
    QLabel *resizeLabel;
    std::vector<FrameColumn> columns;

    void fill(FrameWizardChoices &choices) const;

protected:
    FrameOptionsForm(const OptionsWindowContents &contents, QWidget *parent);
};
