#pragma once

// What a user does in the FTP windows once each is up: connects with the
// first account, and presses a button in the FTP window once it has listed
// the server's top folder (with a file selected first, if one is named).

#include "conform.h"
#include "ftpclient.h"
#include "ftpform.h"
#include "support/whenshown.h"

#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

inline void connectWithFirstAccount()
{
    whenShown<Tconform>([](Tconform *form) {
        form->ListBox1->item(0)->setSelected(true);
        form->connectb->click();
    });
}

inline void whenListed(std::function<QPushButton *(Tftpform *)> button, const QString &file = {})
{
    whenShown<Tftpform>([button, file](Tftpform *form) {
        std::function<void()> poll;
        poll = [form, button, file] {
            const bool listed = form->FTP1->state() == TFTP::Connected && !form->FTP1->busy()
                                && form->ListView2->topLevelItemCount() > 0;
            if (!listed) {
                QTimer::singleShot(10, form, [form, button, file] { whenListed(button, file); });
                return;
            }
            if (!file.isEmpty())
                form->ListView2->findItems(file, Qt::MatchExactly).value(0)->setSelected(true);
            button(form)->click();
        };
        poll();
    });
}
