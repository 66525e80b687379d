#include "layout33form.h"

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
