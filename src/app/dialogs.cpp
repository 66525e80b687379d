#include "dialogs.h"

#include <QApplication>
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
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    QString folder(const QString &title, const QString &startFolder) override
    {
        return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title,
                                                 usableFolder(startFolder));
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
