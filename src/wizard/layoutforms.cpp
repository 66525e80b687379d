#include "layoutforms.h"

Tlayout1form::Tlayout1form(QWidget *parent)
    : FrameSizeForm(
        {
            .layout = 1,
            .intro = "Set the width of the left frame.  The percentage is in relation to the width of the screen",
            .percentCaption = "Percentage",
            .typedPercent = false,
            .pixelFieldsEnabled = false,
            .sizes = {{"Width of left frame in %", "Width of left frame in px", 50, true}},
        },
        parent)
{
}

Tlayout2form::Tlayout2form(QWidget *parent)
    : FrameSizeForm(
        {
            .layout = 2,
            .intro = "Set the height of the upper frame. The percebtage is in relation to the height of the screen",
            .percentCaption = " Percentage",
            .typedPercent = true,
            .pixelFieldsEnabled = true,
            .sizes = {{"Height of upper frame in %", "Heigth of upper frame in px", 50, true}},
        },
        parent)
{
}

Tlayout3form::Tlayout3form(QWidget *parent)
    : FrameSizeForm(
        {
            .layout = 3,
            .intro = "",
            .percentCaption = "Percentage",
            .typedPercent = false,
            .pixelFieldsEnabled = false,
            .sizes = {{"Height of upper frame in %", "Height of upper frame in px", 25, true},
                      {"Width of left frame in %", "Width of left frame in px", 25, false}},
        },
        parent)
{
}

Tlayout4form::Tlayout4form(QWidget *parent)
    : FrameSizeForm(
        {
            .layout = 4,
            .intro = "",
            .percentCaption = "Percentage",
            .typedPercent = false,
            .pixelFieldsEnabled = false,
            .sizes = {{"Height of upper frame in %", "Height of upper frame in px", 25, false},
                      {"Width of left frame in %", "Width of left frame in px", 25, true}},
        },
        parent)
{
}

Tlayout11form::Tlayout11form(QWidget *parent)
    : FrameNamesForm(
        {
            .heading = "Enter the \"name\" you want the  frames to have:",
            .frames = {{"Left", "leftframe", "filename, left frame"}, {"Right", "rightframe", "filename, right frame"}},
        },
        parent)
{
}

Tlayout22form::Tlayout22form(QWidget *parent)
    : FrameNamesForm(
        {
            .heading = "Enter the \"name\" you want the  frames to have:",
            .frames = {{"Upper", "topframe", "filename, upper frame"},
                       {"Lower", "bottomframe", "filename, lower frame"}},
        },
        parent)
{
}

Tlayout33form::Tlayout33form(QWidget *parent)
    : FrameNamesForm(
        {
            .heading = "Enter the \"names\" you want the frames to have:",
            .frames = {{"Upper frame", "topframe", "Filename, upper frame"},
                       {"Left frame", "leftframe", "Filename, left frame"},
                       {"Right frame", "rightframe", "Filename, right frame"}},
        },
        parent)
{
}

Tlayout44form::Tlayout44form(QWidget *parent)
    : FrameNamesForm(
        {
            .heading = "Enter the \"names\" you want the frames to have:",
            .frames = {{"Left frame", "leftframe", "Filename, left frame"},
                       {"Upper frame", "topframe", "Filename, upper frame"},
                       {"Lower frame", "bottomframe", "Filename, lower frame"}},
        },
        parent)
{
}

Tlayout111form::Tlayout111form(QWidget *parent)
    : FrameOptionsForm(
        {
            .borderQuestions = {"Do you want borders on the frames ?"},
            .columns = {"Left frame", "Right frame"},
            .scrollingStart = {1, 2},
            .noResizeStart = false,
            .okFocused = true,
        },
        parent)
{
}

Tlayout222form::Tlayout222form(QWidget *parent)
    : FrameOptionsForm(
        {
            .borderQuestions = {"Do you want borders on the frames ?"},
            .columns = {"Upper frame", "Lower frame"},
            .scrollingStart = {0, 1},
            .noResizeStart = false,
            .okFocused = true,
        },
        parent)
{
}

Tlayout333form::Tlayout333form(QWidget *parent)
    : FrameOptionsForm(
        {
            .borderQuestions = {"Do you want borders on the upper frame ?",
                                "Do you want borders on the 2 lower frames ?"},
            .columns = {"Top", "Left", "Right "},
            .scrollingStart = {0, 1, 1},
            .noResizeStart = true,
            .okFocused = false,
        },
        parent)
{
}

Tlayout444form::Tlayout444form(QWidget *parent)
    : FrameOptionsForm(
        {
            .borderQuestions = {"Do you want borders on the left frame ?",
                                "Do you want borders on the 2 other frames ?"},
            .columns = {"Left", "Upper", "Lower"},
            .scrollingStart = {0, 1, 1},
            .noResizeStart = true,
            .okFocused = false,
        },
        parent)
{
}
