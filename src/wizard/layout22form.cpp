#include "layout22form.h"

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
