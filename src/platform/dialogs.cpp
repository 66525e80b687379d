#include "dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>

namespace Dialogs {
namespace {

class QtDialogs : public Provider
{
public:
    QStringList openFiles(const FileRequest &request) override
    {
        QFileDialog dialog(QApplication::activeWindow(), request.title,
                           usableFolder(request.startFolder), qtFilter(request.filter));
        dialog.setFileMode(QFileDialog::ExistingFiles);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
    }

    QString saveFile(const FileRequest &request) override
    {
        QFileDialog dialog(QApplication::activeWindow(), request.title,
                           usableFolder(request.startFolder), qtFilter(request.filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(request.defaultSuffix);
        if (!request.fileName.isEmpty())
            dialog.selectFile(request.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    QString folder(const QString &title, const QString &startFolder) override
    {
        return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title,
                                                 usableFolder(startFolder));
    }

    QString openFile(const FileRequest &request) override
    {
        QFileDialog dialog(QApplication::activeWindow(), request.title,
                           usableFolder(request.startFolder), qtFilter(request.filter));
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    QColor color(const QColor &initial, int) override
    {
        return QColorDialog::getColor(initial.isValid() ? initial : QColor(Qt::white),
                                      QApplication::activeWindow());
    }
};

Provider *g_provider = nullptr;

Provider &provider()
{
    static QtDialogs real;
    return g_provider ? *g_provider : real;
}

} // namespace

QStringList openFiles(const FileRequest &request) { return provider().openFiles(request); }
QString saveFile(const FileRequest &request) { return provider().saveFile(request); }
QString folder(const QString &title, const QString &startFolder)
{
    return provider().folder(title, startFolder);
}

QString openFile(const FileRequest &request) { return provider().openFile(request); }
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

void setProvider(Provider *provider) { g_provider = provider; }

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
