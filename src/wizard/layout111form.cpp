#include "layout111form.h"

Tlayout111form::Tlayout111form(QWidget *parent)
    : FrameOptionsForm(
          {
              .borderQuestions = {"Do you want borders on the frames ?"},
              .columns = {"Left frame", "Right frame"},
              .scrollingStart = {1, 2},
              .noResizeStart = false,
              .okFocused = true,
          },
          parent)
{
}
