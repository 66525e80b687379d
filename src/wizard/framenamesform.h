#pragma once

#include "wizarddialog.h"

#include <vector>

struct FrameWizardChoices;
class QLabel;
class QLineEdit;
class QRadioButton;

// What a names window asks, layout by layout.
struct NamesWindowContents {
    struct Frame {
        const char *nameLabel;
        const char *nameDefault;
        const char *fileLabel;
    };
    const char *heading;
    std::vector<Frame> frames; // frame 1 first
};

// A names window: each frame's name and page file, new or existing, and the
// frameset page's file. "Next" is there only for file names that are all
// page names and all different.
class FrameNamesForm : public WizardDialog
{
    Q_OBJECT

public:
    struct FrameRow {
        QLabel *nameLabel;
        QLineEdit *nameField;
        QLabel *fileLabel;
        QLineEdit *fileField;
        QRadioButton *existingFile;
        QRadioButton *newFile;
    };

    QLabel *heading;
    std::vector<FrameRow> rows;
    QLabel *framesetLabel;
    QLineEdit *framesetField;
    QLabel *note;

    void fill(FrameWizardChoices &choices) const;

protected:
    FrameNamesForm(const NamesWindowContents &contents, QWidget *parent);

private:
    void fileNamesChanged();
};
