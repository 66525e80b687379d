#pragma once

#include <QWidget>

class QKeySequence;
class QLineEdit;
class QToolButton;

// A directory field with a browse button that opens the folder chooser
// (through the dialog seam) at the field's folder.
class DirectoryEdit : public QWidget
{
    Q_OBJECT

public:
    explicit DirectoryEdit(const QString &chooserTitle, QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    // A key that opens the folder chooser while the field has the focus.
    void setBrowseKey(const QKeySequence &key);

    QLineEdit *field;
    QToolButton *browse;

private:
    void browseClick();

    QString m_title;
};
