#include "layout4form.h"

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
