#include "framesite.h"

#include "apperror.h"
#include "bytetext.h"
#include "editform.h"
#include "framepages.h"
#include "helpcontexts.h"
#include "messages.h"
#include "nativefiles.h"
#include "page.h"

namespace {

Messages::Button ask(const QString &question)
{
    return Messages::show(Messages::Kind::Confirmation, question, Messages::Yes | Messages::No | Messages::Help,
                          HelpContext::kFrameDirectory);
}

bool directoryReady(const QString &directory)
{
    // An empty field names no directory (joined with a name it would be the
    // root of the file system).
    if (NativeFiles::isDirectory(directory))
        return true;
    if (ask(QStringLiteral("Specified directory does not exist\r\nDo you want the editor to create it ?"))
        != Messages::Yes)
        return false;
    if (!NativeFiles::makeDirectories(directory))
        throw AppError(QStringLiteral("Unable to create directory %1").arg(ByteText::displayed(directory)));
    return true;
}

// Asks for each page that would replace a file, frameset page first; a No
// ends the run before anything is written, any other answer goes on.
bool overwritesAllowed(const FrameWizardChoices &choices)
{
    for (const QString &code : pagesToWrite(choices)) {
        const QString path = framePagePath(choices, code);
        if (NativeFiles::exists(path)
            && ask(QStringLiteral("The filename ") + ByteText::displayed(path) + QStringLiteral(" already exists")
                   + QStringLiteral("?") + QStringLiteral("Do you want to overwrite it ?"))
                   == Messages::No)
            return false;
    }
    return true;
}

} // namespace

void framepage(Teditform &window, const FrameWizardChoices &choices, QStringView code)
{
    const QString text = framePageText(choices, code);
    if (!text.isEmpty())
        window.page().writeNew(framePagePath(choices, code), text, kTitleCaret);
}

bool writeFrameSite(FrameWizardHost &host, const FrameWizardChoices &gathered, const QString &directory)
{
    if (!directoryReady(directory))
        return false;
    const FrameWizardChoices choices = withFullPaths(gathered, directory);
    if (!overwritesAllowed(choices))
        return false;
    for (const QString &code : pagesToWrite(choices)) {
        Teditform *window = host.newWindow();
        // The window stays open whether or not its page was written.
        if (!runCommand([&] { framepage(*window, choices, code); }))
            return false;
    }
    return true;
}
