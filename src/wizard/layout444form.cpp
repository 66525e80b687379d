#include "layout444form.h"

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
