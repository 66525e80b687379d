#pragma once

#include <QString>
#include <array>

// One frame of a frame site as the wizard's windows set it up.
struct FrameChoice {
    QString name;                  // the frame's name attribute
    QString file;                  // page file name; a full path once the directory is known
    bool existing = false;         // "Existing file": neither checked, written nor opened
    QString scrolling;             // "No", "Auto" or "Yes"
    bool horizontalMargin = false; // false: the page gets marginwidth="0"
    bool verticalMargin = false;   // false: the page gets marginheight="0"
    bool noResize = false;
};

// The record of one frames-wizard run, filled window by window.
struct FrameWizardChoices {
    int layout = 0;           // 1 to 4; 0 while none is chosen
    QString outerSize;        // "50%" or the pixel text as typed
    QString innerSize;        // layouts 3 and 4
    bool outerBorder = false; // layouts 1 and 2: every frame
    bool innerBorder = false; // layouts 3 and 4
    QString framesetFile;
    std::array<FrameChoice, 3> frame; // frame[0] is frame 1
};

// The four fixed layouts:
//   1  two columns                    frames left, right
//   2  two rows                       frames upper, lower
//   3  a row above two columns        frames upper, left, right
//   4  a column beside two rows       frames left, upper, lower
// The outer division splits the whole page by outerSize; layouts 3 and 4
// split their second part again by innerSize.
enum class Division { Columns, Rows };

inline int frameCount(int layout)
{
    return layout >= 3 ? 3 : 2;
}
inline bool hasInnerDivision(int layout)
{
    return layout >= 3;
}
inline Division outerDivision(int layout)
{
    return layout == 1 || layout == 4 ? Division::Columns : Division::Rows;
}
inline Division innerDivision(int layout)
{
    return layout == 3 ? Division::Columns : Division::Rows;
}
