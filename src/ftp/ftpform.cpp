#include "ftpform.h"

#include "bytetext.h"
#include "closeboxonly.h"
#include "dialogs.h"
#include "ftpaccounts.h"
#include "ftpclient.h"
#include "ftperrors.h"
#include "ftplisting.h"
#include "help.h"
#include "helpcontexts.h"
#include "messages.h"
#include "settings.h"

#include <QApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTreeWidget>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

const QString kUp = QStringLiteral("../");
// An entry's name with all the server's bytes; the list shows it readably.
constexpr int kNameRole = Qt::UserRole + 1;
// A folder entry that is a link which may point at no folder.
constexpr int kMaybeFolderRole = Qt::UserRole + 2;

QTreeWidget *listView(QWidget *parent, const QStringList &columns)
{
    auto *view = new QTreeWidget(parent);
    view->setHeaderLabels(columns);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true); // long listings stay quick
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->header()->setSectionsMovable(false);
    view->header()->setStretchLastSection(false);
    return view;
}

QIcon fileIcon(const QStyle *style, int index)
{
    static const char *const kThemeNames[] = {"text-html", "text-css", "text-plain"};
    return QIcon::fromTheme(QLatin1String(kThemeNames[index]), style->standardIcon(QStyle::SP_FileIcon));
}

} // namespace

Tftpform::Tftpform(Mode mode, const QString &uploadPath, QWidget *parent)
    : QDialog(parent, kCloseBoxOnly),
      m_mode(mode),
      m_uploadPath(uploadPath)
{
    setWindowTitle(QStringLiteral("Quendel FTP"));
    for (int icon = 0; icon < 3; ++icon)
        m_fileIcons[icon] = fileIcon(style(), icon);
    ListView1 = listView(this, {QStringLiteral("Folders")});
    ListView1->setColumnWidth(0, 100);
    ListView1->setFixedWidth(130);
    ListView2 = listView(this, {QStringLiteral("Filename"), QStringLiteral("Size")});
    ListView2->setColumnWidth(0, 150);
    // Wide enough for the widest size text in the font at hand.
    ListView2->setColumnWidth(1,
                              qMax(60, ListView2->fontMetrics().horizontalAdvance(QStringLiteral("1024 bytes")) + 12));
    ListView2->headerItem()->setTextAlignment(1, Qt::AlignCenter);
    uploadb = new QPushButton(QStringLiteral("Upload"), this);
    downloadb = new QPushButton(QStringLiteral("Download"), this);
    helpb = new QPushButton(QStringLiteral("&Help"), this);
    for (QPushButton *button : {uploadb, downloadb, helpb})
        button->setAutoDefault(false);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setVisible(false);
    StatusLabel = new QLabel(this);
    EncryptionLabel = new QLabel(this);
    FTP1 = new TFTP(this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(ListView1, 0, 0);
    grid->addWidget(ListView2, 0, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(uploadb);
    buttons->addWidget(downloadb);
    buttons->addWidget(helpb);
    buttons->addWidget(ProgressBar1, 1);
    grid->addLayout(buttons, 1, 0, 1, 2);
    grid->addWidget(StatusLabel, 2, 0, 1, 2);
    grid->addWidget(EncryptionLabel, 3, 0, 1, 2);
    resize(430, 360);

    connect(FTP1, &TFTP::OnProtocolStateChanged, this, &Tftpform::FTP1ProtocolStateChanged);
    connect(FTP1, &TFTP::OnListItem, this, &Tftpform::FTP1ListItem);
    connect(FTP1, &TFTP::OnChangeDir, this, &Tftpform::FTP1Changed);
    connect(FTP1, &TFTP::OnParentDir, this, &Tftpform::FTP1Changed);
    connect(FTP1, &TFTP::OnBusy, this, &Tftpform::FTP1Busy);
    connect(FTP1, &TFTP::OnType_, this, &Tftpform::FTP1Type);
    connect(FTP1, &TFTP::OnDocInput, this, &Tftpform::FTP1DocInput);
    connect(FTP1, &TFTP::OnDocOutput, this, &Tftpform::FTP1DocOutput);
    connect(FTP1, &TFTP::OnError, this, &Tftpform::FTP1Error);
    connect(FTP1, &TFTP::OnUntrustedPeer, this, &Tftpform::FTP1UntrustedPeer);
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, &Tftpform::ListView1DblClick);
    connect(ListView2, &QTreeWidget::itemSelectionChanged, this, &Tftpform::ListView2SelectionChanged);
    connect(qApp, &QApplication::focusChanged, this, &Tftpform::focusMoved);
    connect(uploadb, &QPushButton::clicked, this, &Tftpform::uploadbClick);
    connect(downloadb, &QPushButton::clicked, this, &Tftpform::downloadbClick);
    connect(helpb, &QPushButton::clicked, this, [] { Help::showTopic(HelpContext::kFtp); });
}

Tftpform::~Tftpform()
{
    // Hiding the dialog in ~QDialog moves the focus; by then this is no longer a Tftpform.
    disconnect(qApp, &QApplication::focusChanged, this, &Tftpform::focusMoved);
    qDeleteAll(m_pendingFiles); // a listing cut short by closing the window
    setBusyCursor(false);
}

void Tftpform::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void Tftpform::FormShow()
{
    m_step = Step::Start;
    StatusLabel->setText(
        m_mode == Mode::Up
            ? QStringLiteral("Choose the target directory. Move around by double-clicking the folders.")
            : QStringLiteral("\"Select\" the file to download. Move around by double-clicking the folders."));
    uploadb->setEnabled(false);
    downloadb->setEnabled(false);
    FTP1->RemoteHost = g_connection.host;
    FTP1->UserId = g_connection.user;
    FTP1->Password = g_connection.password;
    FTP1->TrustedCertificate = trustedCertificate(g_connection.account);
    FTP1->EncryptionRequired = connectedEncrypted(g_connection.account);
    FTP1->connectToHost(FTP1->RemoteHost, FTP1->RemotePort);
}

void Tftpform::FTP1ProtocolStateChanged(int state)
{
    if (state == TFTP::LoginWanted) {
        FTP1->authenticate(FTP1->UserId, FTP1->Password);
    } else if (state == TFTP::Ready) {
        if (FTP1->encrypted())
            markConnectedEncrypted(g_connection.account);
        EncryptionLabel->setText(FTP1->encrypted() ? QStringLiteral("Connection encrypted")
                                                   : QStringLiteral("Connection NOT encrypted"));
        FTP1->list();
    }
}

// Nothing has been sent yet: the user decides whether to trust the server.
void Tftpform::FTP1UntrustedPeer(const PeerIdentity &identity)
{
    if (identity.kind == PeerIdentity::Kind::HostKey && identity.changed) {
        Messages::show(Messages::Kind::Warning, changedHostKeyWarning(identity), Messages::OK);
        reject();
        return;
    }
    const auto answer = Messages::show(Messages::Kind::Warning, trustQuestion(identity, FTP1->TrustedCertificate),
                                       Messages::Yes | Messages::No | Messages::Help, HelpContext::kFtp);
    if (answer != Messages::Yes) {
        reject();
        return;
    }
    if (identity.kind == PeerIdentity::Kind::HostKey) {
        FTP1->trustHostKey(identity);
    } else {
        trustCertificate(g_connection.account, identity.fingerprint);
        FTP1->TrustedCertificate = identity.fingerprint;
    }
    FTP1->authenticate(FTP1->UserId, FTP1->Password);
}

void Tftpform::FTP1ListItem(const FTPDirItem &item)
{
    const QString shown = ByteText::displayed(item.fileName);
    if (item.kind == FTPDirItem::Directory) {
        if (isDotEntry(item.fileName))
            return;
        auto *entry = new QTreeWidgetItem(ListView1, {shown});
        entry->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
        entry->setData(0, kNameRole, item.fileName);
        entry->setData(0, kMaybeFolderRole, item.maybeFolder);
        return;
    }
    const std::optional<int> icon = listedFileIcon(item.fileName);
    if (!icon)
        return;
    auto *entry = new QTreeWidgetItem({shown, sizeText(item.size)});
    entry->setData(0, kNameRole, item.fileName);
    entry->setTextAlignment(1, Qt::AlignCenter);
    entry->setIcon(0, m_fileIcons[*icon]);
    entry->setData(0, Qt::UserRole, *icon);
    // A listing comes in bursts: its files join the list together when
    // the command is done, each insertion would have the view laid out anew.
    m_pendingFiles.push_back(entry);
}

void Tftpform::showPendingFiles()
{
    if (m_pendingFiles.empty())
        return;
    const auto less = [](const QTreeWidgetItem *a, const QTreeWidgetItem *b) {
        return fileNameLess(a->text(0), b->text(0));
    };
    std::stable_sort(m_pendingFiles.begin(), m_pendingFiles.end(), less);
    const QList<QTreeWidgetItem *> shown = ListView2->invisibleRootItem()->takeChildren();
    QList<QTreeWidgetItem *> all;
    all.reserve(shown.size() + qsizetype(m_pendingFiles.size()));
    std::merge(shown.begin(), shown.end(), m_pendingFiles.begin(), m_pendingFiles.end(), std::back_inserter(all), less);
    m_pendingFiles.clear();
    ListView2->addTopLevelItems(all);
}

void Tftpform::FTP1Changed()
{
    m_enteringLink = false;
    ListView1->clear();
    ListView2->clear();
    qDeleteAll(m_pendingFiles);
    m_pendingFiles.clear();
    new QTreeWidgetItem(ListView1, {kUp});
    ListView1->topLevelItem(0)->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
    FTP1->list();
}

void Tftpform::FTP1Busy(bool busy)
{
    if (busy) {
        uploadb->setEnabled(false);
        downloadb->setEnabled(false);
    } else {
        showPendingFiles();
        if (m_mode == Mode::Up)
            uploadb->setEnabled(true);
    }
    setBusyCursor(busy);
}

void Tftpform::setBusyCursor(bool busy)
{
    if (busy == m_busyCursor)
        return;
    m_busyCursor = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

bool Tftpform::ready() const
{
    return FTP1->state() == TFTP::Connected && !FTP1->busy();
}

void Tftpform::ListView1DblClick()
{
    QTreeWidgetItem *folder = ListView1->currentItem();
    if (!ready() || !folder || !folder->isSelected())
        return;
    m_enteringLink = folder->data(0, kMaybeFolderRole).toBool();
    if (folder->text(0) == kUp && folder->data(0, kNameRole).isNull())
        FTP1->parentDir();
    else
        FTP1->changeDir(folder->data(0, kNameRole).toString());
}

void Tftpform::ListView2SelectionChanged()
{
    if (m_mode == Mode::Down)
        downloadb->setEnabled(!ListView2->selectedItems().isEmpty());
}

void Tftpform::focusMoved(QWidget *from, QWidget *to)
{
    if (m_mode != Mode::Down)
        return;
    if (from == ListView2 && to != downloadb)
        downloadb->setEnabled(false);
    else if (to == ListView2 && !ListView2->selectedItems().isEmpty())
        downloadb->setEnabled(true);
}

void Tftpform::uploadbClick()
{
    if (!ready())
        return;
    m_step = Step::Up;
    FTP1->setType(TFTP::kBinaryType);
}

void Tftpform::downloadbClick()
{
    const QList<QTreeWidgetItem *> selected = ListView2->selectedItems();
    if (selected.isEmpty() || !ready())
        return;
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Chose folder and name to save file as");
    request.fileName = selected.first()->data(0, kNameRole).toString();
    request.startFolder = g_settings.saveDirectory;
    const QString target = Dialogs::saveFile(request);
    if (target.isEmpty() || !ready())
        return;
    // An existing file is replaced only once the new one has arrived whole.
    m_downloadName = selected.first()->data(0, kNameRole).toString();
    m_downloadTarget = target;
    m_step = Step::Down;
    FTP1->setType(TFTP::kBinaryType);
}

void Tftpform::FTP1Type()
{
    if (m_step == Step::Up)
        FTP1->sendFile(m_uploadPath, QFileInfo(m_uploadPath).fileName());
    else if (m_step == Step::Down)
        FTP1->fetchFile(m_downloadName, m_downloadTarget);
}

void Tftpform::FTP1DocInput(int state, qint64 done, qint64 total)
{
    showProgress(done, total);
    if (m_step == Step::Up && state == TFTP::DocEnd)
        accept();
}

void Tftpform::FTP1DocOutput(int state, qint64 done, qint64 total)
{
    showProgress(done, total);
    if (m_step == Step::Down && state == TFTP::DocEnd) {
        m_downloaded = true;
        m_downloadedFile = m_downloadTarget;
        accept();
    }
}

void Tftpform::showProgress(qint64 done, qint64 total)
{
    ProgressBar1->setVisible(true);
    if (total <= 0) {
        ProgressBar1->setRange(0, 0); // moving, size unknown
        return;
    }
    ProgressBar1->setRange(0, 1000);
    ProgressBar1->setValue(int(qBound(qint64(0), done * 1000 / total, qint64(1000))));
}

void Tftpform::FTP1Error(int number, const QString &text)
{
    ProgressBar1->setVisible(false);
    const bool enteringLink = std::exchange(m_enteringLink, false);
    const QString message = number == TFTP::kEncryptionRefused ? text : ftpErrorMessage(number);
    if (!message.isEmpty()) {
        Messages::show(Messages::Kind::Error, message, Messages::OK);
        // A link that led to no folder leaves the connection as it was.
        if (!(enteringLink && number == 2107))
            reject();
        return;
    }
    // A local file that cannot be read or written: the user may choose
    // another place and try again.
    m_step = Step::Start;
    Messages::show(Messages::Kind::Error, text, Messages::OK);
    if (m_mode == Mode::Down)
        downloadb->setEnabled(!ListView2->selectedItems().isEmpty());
}
