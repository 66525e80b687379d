#include "layout1form.h"

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
