#include "layout333form.h"

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
