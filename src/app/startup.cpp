#include "startup.h"

#include "apperror.h"
#include "bytetext.h"
#include "ftpaccounts.h"
#include "mainform.h"
#include "settings.h"
#include "settingsstore.h"
#include "tagtable.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QScreen>

std::unique_ptr<Tmainform> startProgram(int argc, char *argv[])
{
    // The name only: a display name would be added to every window's title.
    QApplication::setApplicationName(QStringLiteral("Quendel"));
    // PNG pictures the build draws from the SVG: Qt reads no SVG without a
    // plugin of its own.
    QIcon icon;
    for (const QFileInfo &picture : QDir(QStringLiteral(":/icon")).entryInfoList())
        icon.addFile(picture.filePath());
    QApplication::setWindowIcon(icon);

    auto mainform = std::make_unique<Tmainform>();
    // The size the window takes when the user leaves the maximised state.
    const QRect screen = mainform->screen()->availableGeometry();
    mainform->resize(screen.size() * 9 / 10);
    mainform->move(screen.center() - mainform->rect().center());
    mainform->showMaximized();
    // Taken from argv's own bytes (Qt's have Qt's options taken out, but
    // would turn a name that is not UTF-8 into U+FFFD).
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << ByteText::fromNativePath(argv[i]);
    mainform->formShow(arguments);
    return mainform;
}

void loadAllSettings()
{
    resetGeneralSettings();
    RegKey::holdWrites(false);
    try {
        RegKey key;
        if (!key.openRead())
            return;
        readGeneralSettings(key);
        clearOpeningTexts();
        if (g_settings.tagsInstalled)
            readTags(key);
        readAccounts(key);
    } catch (const AppError &) {
        // What was not read holds defaults or nothing; writing it back would
        // replace the user's stored values, which stay for the next start.
        RegKey::holdWrites(true);
        throw;
    }
}

void repairTagTable()
{
    std::vector<int> repairs;
    for (int n = 1; n <= TagTable::kSlots; ++n) {
        if (g_tags.slot(n).opening.isEmpty())
            repairs.push_back(n);
    }
    repairs.push_back(39);
    resetTags(repairs); // one write of the store, not one per slot
}
