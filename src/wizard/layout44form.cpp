#include "layout44form.h"

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
