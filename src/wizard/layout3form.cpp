#include "layout3form.h"

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
