#include "layout11form.h"

Tlayout11form::Tlayout11form(QWidget *parent)
    : FrameNamesForm(
          {
              .heading = "Enter the \"name\" you want the  frames to have:",
              .frames = {{"Left", "leftframe", "filename, left frame"},
                         {"Right", "rightframe", "filename, right frame"}},
          },
          parent)
{
}
