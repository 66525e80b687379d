#pragma once

#include <QScrollArea>

// The legend of the insertion hot keys at the right edge of the main window,
// hidden until asked for.
class HotKeyPanel : public QScrollArea
{
    Q_OBJECT

public:
    explicit HotKeyPanel(QWidget *parent = nullptr);

    void setVisible(bool visible) override;

private:
    void buildLegend();
};
