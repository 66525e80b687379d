#pragma once

#include <QWidget>

// The preview of a size window: the layout's blocks in a 160 x 120 frame,
// white, or grey while some size is given in pixels and so cannot be drawn
// to scale.
class LayoutPreview : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize kArea{160, 120};

    explicit LayoutPreview(int layout, QWidget *parent = nullptr);

    void setPercents(int outerPercent, int innerPercent);
    void setGrey(bool grey);
    bool isGrey() const { return m_grey; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_layout;
    int m_outer = 0;
    int m_inner = 0;
    bool m_grey = false;
};
