#pragma once

#include "ftpaccounts.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The account window: the four texts of one FTP account, empty for a new
// one. Result: Accepted with "Ok".
class Tdataform : public QDialog
{
    Q_OBJECT

public:
    explicit Tdataform(const FtpAccount &start, QWidget *parent = nullptr);

    FtpAccount account() const;

    QLabel *Label1, *Label2, *Label3, *Label4;
    QLineEdit *nickedit, *hostedit, *nameedit, *passedit;
    QPushButton *okb, *cancelb, *helpb;
};
