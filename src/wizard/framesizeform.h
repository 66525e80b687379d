#pragma once

#include "wizarddialog.h"

#include <vector>

struct FrameWizardChoices;
class LayoutPreview;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

// What a size window asks, layout by layout.
struct SizeWindowContents {
    struct Size {
        const char *percentLabel;
        const char *pixelLabel;
        int percentDefault;
        bool outer; // gives outerSize; else innerSize
    };
    int layout;
    const char *intro;          // "" for none
    const char *percentCaption; // the caption of the percentage choice
    bool typedPercent;          // the percentage may be typed, not only stepped
    bool pixelFieldsEnabled;    // the pixel fields start enabled
    std::vector<Size> sizes;    // in their order on screen
};

// A size window: each size of the layout as a percentage, stepped in a spin
// field, or in pixels, typed; beside them a preview of the layout.
class FrameSizeForm : public WizardDialog
{
    Q_OBJECT

public:
    struct SizeRow {
        QRadioButton *percent;
        QRadioButton *pixels;
        QSpinBox *spin;
        QLabel *percentLabel;
        QLineEdit *pixelField;
        QLabel *pixelLabel;
        bool outer;
    };

    QLabel *intro = nullptr;
    std::vector<SizeRow> rows;
    LayoutPreview *preview;

    // A size in percent as "25%", a size in pixels as typed.
    void fill(FrameWizardChoices &choices) const;

protected:
    FrameSizeForm(const SizeWindowContents &contents, QWidget *parent);

private:
    SizeRow makeRow(const SizeWindowContents &contents, const SizeWindowContents::Size &size);
    void choosePixels(const SizeRow &row);
    void choosePercent(const SizeRow &row);
    void updatePreview();
};
