#include "dialogs.h"

#include "bytetext.h"
#include "help.h"
#include "nativefiles.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPushButton>
#include <QShortcut>

namespace Dialogs {
namespace {

// Qt's own dialogs have no Help button: it is added to the dialog's
// button row, and F1 does the same.
void offerHelp(QDialog &dialog, int helpContext)
{
    if (helpContext == 0)
        return;
    auto showTopic = [helpContext] { Help::showTopic(helpContext); };
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>()) {
        buttons->addButton(QDialogButtonBox::Help);
        QObject::connect(buttons, &QDialogButtonBox::helpRequested, &dialog, showTopic);
    }
    QObject::connect(new QShortcut(QKeySequence::HelpContents, &dialog), &QShortcut::activated, &dialog, showTopic);
}

// A file dialog of our own widgets, which can carry the Help button.
class FileDialog : public QFileDialog
{
public:
    explicit FileDialog(const FileRequest &request)
        : QFileDialog(QApplication::activeWindow(), request.title, usableFolder(request.startFolder),
                      qtFilter(request.filter)),
          m_helpContext(request.helpContext)
    {
        setOption(QFileDialog::DontUseNativeDialog);
    }

    int exec() override
    {
        // Only now: choosing the accept mode sets the button row anew.
        offerHelp(*this, m_helpContext);
        return QFileDialog::exec();
    }

    // Runs the dialog set up for its mode: the chosen paths, each as the
    // file system names it, or none when cancelled.
    QStringList run(const QString &fileName)
    {
        if (!fileName.isEmpty()) {
            // An open dialog offers the name in its own folder.
            const QString offered =
                acceptMode() == AcceptOpen ? fileName.sliced(fileName.lastIndexOf(u'/') + 1) : fileName;
            selectFile(ByteText::displayed(offered));
        }
        QStringList chosen;
        if (exec() == QDialog::Accepted) {
            for (const QString &path : selectedFiles())
                chosen << NativeFiles::recoverDecodedPath(path);
        }
        return chosen;
    }

private:
    int m_helpContext;
};

bool runPrintDialog(QPrinter &printer, int helpContext, const QString &title, const QString &okText)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    // The whole page is printed: no page ranges or selection to offer.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setWindowTitle(title);
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>(); buttons && !okText.isEmpty())
        buttons->button(QDialogButtonBox::Ok)->setText(okText);
    offerHelp(dialog, helpContext);
    return dialog.exec() == QDialog::Accepted;
}

class QtDialogs : public Provider
{
public:
    QStringList openFiles(const FileRequest &request) override
    {
        FileDialog dialog(request);
        dialog.setFileMode(QFileDialog::ExistingFiles);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        return dialog.run(request.fileName);
    }

    QString saveFile(const FileRequest &request) override
    {
        FileDialog dialog(request);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(request.defaultSuffix);
        return dialog.run(request.fileName).value(0);
    }

    QString folder(const QString &title, const QString &startFolder) override
    {
        return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, usableFolder(startFolder));
    }

    QString openFile(const FileRequest &request) override
    {
        FileDialog dialog(request);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        return dialog.run(request.fileName).value(0);
    }

    QColor color(const QColor &initial, int helpContext) override
    {
        QColorDialog dialog(initial.isValid() ? initial : QColor(Qt::white), QApplication::activeWindow());
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        offerHelp(dialog, helpContext);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedColor() : QColor();
    }

    bool print(QPrinter &printer, int helpContext) override
    {
        return runPrintDialog(printer, helpContext, QStringLiteral("Print"), QString());
    }

    bool printerSetup(QPrinter &printer, int helpContext) override
    {
        return runPrintDialog(printer, helpContext, QStringLiteral("Printer setup"), QStringLiteral("OK"));
    }
};

Provider *g_provider = nullptr;

Provider &provider()
{
    static QtDialogs real;
    return g_provider ? *g_provider : real;
}

} // namespace

QStringList openFiles(const FileRequest &request)
{
    return provider().openFiles(request);
}
QString saveFile(const FileRequest &request)
{
    return provider().saveFile(request);
}
QString folder(const QString &title, const QString &startFolder)
{
    return provider().folder(title, startFolder);
}

QString openFile(const FileRequest &request)
{
    return provider().openFile(request);
}
QColor color(const QColor &initial, int helpContext)
{
    return provider().color(initial, helpContext);
}

QString Provider::openFile(const FileRequest &request)
{
    const QStringList files = openFiles(request);
    return files.isEmpty() ? QString() : files.constFirst();
}

QColor Provider::color(const QColor &, int)
{
    return {};
}

bool print(QPrinter &printer, int helpContext)
{
    return provider().print(printer, helpContext);
}
bool printerSetup(QPrinter &printer, int helpContext)
{
    return provider().printerSetup(printer, helpContext);
}

bool Provider::print(QPrinter &, int)
{
    return false;
}

bool Provider::printerSetup(QPrinter &, int)
{
    return false;
}

void setProvider(Provider *provider)
{
    g_provider = provider;
}

QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        entries << QStringLiteral("%1 (%2)").arg(parts[i], patterns.simplified());
    }
    return entries.join(QStringLiteral(";;"));
}

QString usableFolder(const QString &folder)
{
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QDir::homePath();
}

} // namespace Dialogs
