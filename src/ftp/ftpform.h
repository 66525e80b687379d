#pragma once

#include <QDialog>
#include <QIcon>

#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TFTP;
struct FTPDirItem;
struct PeerIdentity;

// The FTP window: logs in with g_connection, lets the user move through
// the server's folders, and uploads one page into the current folder or
// downloads one file, then closes.
class Tftpform : public QDialog
{
    Q_OBJECT

public:
    enum class Mode { Up, Down };

    // `uploadPath` is the page's file on disk, sent in mode Up.
    Tftpform(Mode mode, const QString &uploadPath, QWidget *parent = nullptr);
    ~Tftpform() override;

    // Whether a download arrived whole, and where it went.
    bool downloaded() const { return m_downloaded; }
    QString downloadedFile() const { return m_downloadedFile; }

    QTreeWidget *ListView1; // folders
    QTreeWidget *ListView2; // files
    QPushButton *uploadb, *downloadb, *helpb;
    QProgressBar *ProgressBar1;
    QLabel *StatusLabel;
    QLabel *EncryptionLabel; // whether the connection is encrypted
    TFTP *FTP1;

protected:
    void showEvent(QShowEvent *event) override;

private:
    enum class Step { Start, Up, Down };

    void FormShow();
    void FTP1ProtocolStateChanged(int state);
    void FTP1ListItem(const FTPDirItem &item);
    void FTP1Changed();
    void FTP1Busy(bool busy);
    void FTP1Type();
    void FTP1DocInput(int state, qint64 done, qint64 total);
    void FTP1DocOutput(int state, qint64 done, qint64 total);
    void FTP1Error(int number, const QString &text);
    void FTP1UntrustedPeer(const PeerIdentity &identity);
    void ListView1DblClick();
    void ListView2SelectionChanged();
    void focusMoved(QWidget *from, QWidget *to);
    void uploadbClick();
    void downloadbClick();
    bool ready() const; // connected and not busy
    void showProgress(qint64 done, qint64 total);
    void setBusyCursor(bool busy);
    void showPendingFiles();

    Mode m_mode;
    Step m_step = Step::Start;
    QString m_uploadPath;
    QString m_downloadName;
    QString m_downloadTarget;
    bool m_downloaded = false;
    QString m_downloadedFile;
    bool m_busyCursor = false;
    bool m_enteringLink = false;                   // a link that may be no folder is being tried
    QIcon m_fileIcons[3];                          // pages, style sheets, text files
    std::vector<QTreeWidgetItem *> m_pendingFiles; // listed, not yet shown
};
