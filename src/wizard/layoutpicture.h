#pragma once

#include <QAbstractButton>

// One of the layout chooser's four pictures: a button that draws its
// layout as outlined rectangles.
class LayoutPicture : public QAbstractButton
{
    Q_OBJECT

public:
    explicit LayoutPicture(int layout, QWidget *parent = nullptr);

    int layout() const { return m_layout; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_layout;
};
