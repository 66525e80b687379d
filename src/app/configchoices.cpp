#include "configchoices.h"

#include "helpcontexts.h"
#include "messages.h"
#include "nativefiles.h"
#include "settings.h"

namespace {

enum class Outcome { Taken, Kept, Failed };

Outcome takeDirectory(const QString &field, QString &setting)
{
    if (NativeFiles::isDirectory(field)) {
        setting = field;
        return Outcome::Taken;
    }
    const QString question = QStringLiteral("The ") + field + QStringLiteral(" does not exist") + QStringLiteral("\r\n")
                             + QStringLiteral("Do you want to create it now ?");
    if (Messages::show(Messages::Kind::Confirmation, question, Messages::Yes | Messages::No | Messages::Help,
                       HelpContext::kCreateStartingDirectory)
        != Messages::Yes)
        return Outcome::Kept;
    // A path that cannot be made (empty, a file in the way, no access) must
    // not become a starting directory.
    if (!NativeFiles::makeDirectories(field)) {
        Messages::show(Messages::Kind::Error, QStringLiteral("Unable to create directory"), Messages::OK);
        return Outcome::Failed;
    }
    setting = field;
    return Outcome::Taken;
}

} // namespace

ConfigChoices currentConfigChoices()
{
    ConfigChoices choices;
    choices.lineBreakAfterLastLine = g_settings.lineBreakOption == QLatin1String("1");
    choices.openDirectory = g_settings.openDirectory;
    choices.saveDirectory = g_settings.saveDirectory;
    choices.textDirectory = g_settings.textDirectory;
    return choices;
}

bool applyConfigChoices(const ConfigChoices &choices)
{
    g_settings.lineBreakOption = choices.lineBreakAfterLastLine ? QStringLiteral("1") : QStringLiteral("0");
    const std::pair<const QString *, QString *> directories[] = {
        {&choices.openDirectory, &g_settings.openDirectory},
        {&choices.saveDirectory, &g_settings.saveDirectory},
        {&choices.textDirectory, &g_settings.textDirectory},
    };
    for (const auto &[field, setting] : directories) {
        if (takeDirectory(*field, *setting) == Outcome::Failed)
            return false;
    }
    if (choices.saveAsDefault)
        saveGeneralSettings();
    return true;
}
