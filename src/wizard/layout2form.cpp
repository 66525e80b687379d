#include "layout2form.h"

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
