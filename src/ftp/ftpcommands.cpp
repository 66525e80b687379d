#include "ftpcommands.h"

#include "colormemo.h"
#include "conform.h"
#include "documentlist.h"
#include "editform.h"
#include "ftpform.h"
#include "messages.h"
#include "page.h"

#include <QAction>

namespace {

bool chooseAccount(QWidget *parent)
{
    Tconform conform(parent);
    return conform.exec() == QDialog::Accepted;
}

} // namespace

void keepUploadAvailable(QAction &upload, const DocumentList &documents)
{
    const auto follow = [&upload, &documents] {
        const Teditform *page = documents.active();
        upload.setEnabled(page && page->page().named());
    };
    follow();
    QObject::connect(&documents, &DocumentList::countChanged, &upload, follow);
    QObject::connect(&documents, &DocumentList::activated, &upload, follow);
    QObject::connect(&documents, &DocumentList::activeRenamed, &upload, follow);
}

void FTP1Click(const Teditform *page, QWidget *parent)
{
    if (!page)
        return;
    if (!page->page().named()) {
        showNoNameNotice();
        return;
    }
    const QString path = page->page().fileName();
    if (page->CMemo1->modified()) {
        const auto answer = Messages::show(Messages::Kind::Confirmation,
                                           QStringLiteral("The file has been changed since the last save !\r\n"
                                                          "Do you wish to continue ?\r\n"
                                                          "Click \"No\" to go back and save it."),
                                           Messages::Yes | Messages::No);
        if (answer != Messages::Yes)
            return;
    }
    if (!chooseAccount(parent))
        return;
    Tftpform ftpform(Tftpform::Mode::Up, path, parent);
    ftpform.exec();
}

void Downloadandopen1Click(QWidget *parent, const std::function<void(const QString &)> &open)
{
    if (!chooseAccount(parent))
        return;
    Tftpform ftpform(Tftpform::Mode::Down, QString(), parent);
    ftpform.exec();
    // Only a file that arrived whole is opened.
    if (ftpform.downloaded())
        open(ftpform.downloadedFile());
}
