#include "page.h"

#include "apperror.h"
#include "bytetext.h"
#include "colormemo.h"
#include "dialogs.h"
#include "helpcontexts.h"
#include "messages.h"
#include "nativefiles.h"
#include "settings.h"

const char kPageFilter[] = "HTML document|*.htm*|CSS document|*.css|Text file|*.txt|All files|*.*";

namespace {

// The page every new document starts from; the caret goes between the
// title tags, 40 characters before the end.
const char kSkeleton[] = "<HTML>\n<HEAD>\n<TITLE></TITLE>\n\n</HEAD>\n\n\n\n\n\n</HTML>\n";
constexpr int kSkeletonCaretFromEnd = 40;

} // namespace

void showNoNameNotice()
{
    Messages::show(Messages::Kind::Information, QStringLiteral("The file has no name, please save it first !"),
                   Messages::OK);
}

Page::Page(TColorMemo &memo, QObject *parent) : QObject(parent), m_memo(memo), m_bytes(memo)
{
}

QString Page::shownName() const
{
    if (!named())
        return QStringLiteral("No name");
    return ByteText::displayed(QStringView(m_fileName).sliced(m_fileName.lastIndexOf(u'/') + 1));
}

QString Page::caption() const
{
    return m_autosave ? shownName() + QStringLiteral(" [autosave]") : shownName();
}

void Page::showSkeleton()
{
    m_memo.setModelText(QString::fromLatin1(kSkeleton));
    m_memo.setSelStart(m_memo.textLength() - kSkeletonCaretFromEnd);
    m_memo.setModified(false);
}

void Page::load(const QString &path)
{
    PageText page = readPageFile(path);
    m_fileName = path;
    m_bytes.setEncoding(page.encoding);
    m_bytes.setByteOrderMark(page.byteOrderMark);
    m_memo.setModelText(page.text);
    page.text.clear();
    m_memo.setSelStart(0);
    m_memo.setModified(false);
    emit renamed();
    emit matchesItsFile();
}

void Page::writeNew(const QString &path, const QString &text, int caret)
{
    m_fileName = path;
    emit renamed();
    // Typed in, as it were: until it is written the page counts as changed.
    m_memo.setModelText(QString());
    m_memo.setSelText(text);
    m_memo.setSelStart(caret);
    write(path);
    m_memo.setModified(false);
    emit matchesItsFile();
}

void Page::write(const QString &path)
{
    writePageFile(path, m_bytes.encoded());
}

bool Page::save()
{
    if (!named())
        return saveAs();
    const QString folder = NativeFiles::folderOf(m_fileName);
    if (!NativeFiles::isDirectory(folder)) {
        const auto answer =
            Messages::show(Messages::Kind::Information,
                           QStringLiteral("Specified directory does not exist+\r\nDo you want to to create it now ?"),
                           Messages::Yes | Messages::No | Messages::Help, HelpContext::kMissingFolder);
        if (answer != Messages::Yes)
            return false;
        NativeFiles::makeDirectories(folder);
    }
    write(m_fileName);
    m_memo.setModified(false);
    emit matchesItsFile();
    return true;
}

bool Page::saveAs()
{
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Save file as");
    request.filter = QLatin1String(kPageFilter);
    request.startFolder = g_settings.saveDirectory;
    request.defaultSuffix = QStringLiteral("htm");
    request.helpContext = HelpContext::kSaveDialog;
    const QString chosen = Dialogs::saveFile(request);
    if (chosen.isEmpty())
        return false;
    write(chosen);
    m_memo.setModified(false);
    m_fileName = chosen;
    emit matchesItsFile();
    emit savedAs();
    emit renamed();
    return true;
}

void Page::autosavePass()
{
    if (!m_autosave)
        return;
    write(m_fileName);
    m_memo.setModified(false);
}

void Page::toggleAutosave()
{
    if (m_autosave) {
        m_autosave = false;
        emit autosaveChanged();
    } else if (!named()) {
        showNoNameNotice();
    } else if (NativeFiles::isFile(m_fileName)) {
        m_autosave = true;
        emit autosaveChanged();
    } else {
        Messages::show(Messages::Kind::Error, QStringLiteral("Please save the file in the normal way first"),
                       Messages::OK | Messages::Help, HelpContext::kAutosaveUnsaved);
    }
}

bool Page::mayClose()
{
    if (!m_memo.modified())
        return true;
    const auto answer =
        Messages::show(Messages::Kind::Plain, QStringLiteral("File %1 has changed !! Save first ?").arg(caption()),
                       Messages::Yes | Messages::No | Messages::Cancel);
    if (answer == Messages::No)
        return true;
    if (answer != Messages::Yes)
        return false;
    // Only a page that was really written may close: a declined folder, a
    // cancelled Save as or a failed write keeps the page and its changes.
    bool saved = false;
    runCommand([this, &saved] { saved = save(); });
    return saved;
}
