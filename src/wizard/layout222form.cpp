#include "layout222form.h"

Tlayout222form::Tlayout222form(QWidget *parent)
    : FrameOptionsForm(
          {
              .borderQuestions = {"Do you want borders on the frames ?"},
              .columns = {"Upper frame", "Lower frame"},
              .scrollingStart = {0, 1},
              .noResizeStart = false,
              .okFocused = true,
          },
          parent)
{
}
