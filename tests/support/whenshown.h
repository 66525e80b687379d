#pragma once

// Acts on a modal window once it is up, as a user would.

#include <QApplication>
#include <QTimer>
#include <functional>

template <typename Window>
void whenShown(std::function<void(Window *)> act, int triesLeft = 1000)
{
    QTimer::singleShot(10, qApp, [act, triesLeft] {
        auto *window = qobject_cast<Window *>(QApplication::activeModalWidget());
        if (window && window->isVisible())
            act(window);
        else if (triesLeft > 0)
            whenShown<Window>(act, triesLeft - 1);
    });
}
