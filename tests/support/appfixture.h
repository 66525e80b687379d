#pragma once

// A fresh main window over a throw-away settings store, with scripted
// message boxes and dialogs.

#include "documenthost.h"
#include "documentlist.h"
#include "editform.h"
#include "mainform.h"
#include "page.h"
#include "files.h"
#include "scripted.h"
#include "settings.h"
#include "tagtable.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

struct AppFixture {
    QTemporaryDir dir;
    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    std::unique_ptr<Tmainform> main;

    // A store that has the tags installed, so start-up asks nothing.
    explicit AppFixture(bool installedStore = true)
    {
        qputenv("QUENDEL_STORE", dir.filePath("Quendel.reg").toLocal8Bit());
        if (installedStore)
            writeFile("Quendel.reg", "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Varnholt\\Quendel\\Config]\n"
                                     "\"tagsins\"=dword:00000001\n");
        g_settings = Settings();
        g_tags = TagTable();
    }

    Tmainform &start(const QStringList &arguments = {})
    {
        main = std::make_unique<Tmainform>();
        main->resize(1000, 700);
        main->show();
        main->activateWindow();
        main->formShow(arguments);
        QApplication::processEvents();
        return *main;
    }

    ~AppFixture()
    {
        // Windows still open are thrown away without their close queries.
        if (main) {
            for (Teditform *doc : main->documents().windows())
                doc->closeWithoutQuery();
        }
        main.reset();
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    QString writeFile(const QString &name, const QByteArray &bytes) const { return putFile(path(name), bytes); }

    // Writes a page and opens it in a new document window.
    Teditform *openPage(const QString &name, const QByteArray &bytes)
    {
        if (!main->openDocument(writeFile(name, bytes)))
            return nullptr;
        return active();
    }

    QByteArray readFile(const QString &name) const { return ::readFile(path(name)); }

    QString panel(DocumentHost::Panel which) const { return main->panel(which)->text(); }
    Teditform *active() const { return main->activeDocument(); }
    // A menu item or toolbar button of the main window; the page items act
    // on the page in front and show its state.
    QAction *item(const char *name) const { return main->action(name); }
    int windows() const { return main->documents().windows().size(); }
};
