#pragma once

#include "dialogs.h"
#include "messages.h"

#include <QList>

// A message presenter that records every box and answers from a script
// (OK when the script has run out).
class ScriptedMessages : public Messages::Presenter
{
public:
    ScriptedMessages() { Messages::setPresenter(this); }
    ~ScriptedMessages() override { Messages::setPresenter(nullptr); }

    Messages::Button present(const Messages::Request &request) override
    {
        shown << request;
        return answers.isEmpty() ? Messages::OK : answers.takeFirst();
    }

    QList<Messages::Request> shown;
    QList<Messages::Button> answers;
};

// A dialog provider that hands back prepared choices and records requests.
class ScriptedDialogs : public Dialogs::Provider
{
public:
    ScriptedDialogs() { Dialogs::setProvider(this); }
    ~ScriptedDialogs() override { Dialogs::setProvider(nullptr); }

    QStringList openFiles(const Dialogs::FileRequest &request) override
    {
        fileRequests << request;
        return files;
    }
    QString saveFile(const Dialogs::FileRequest &request) override
    {
        fileRequests << request;
        return {};
    }
    QString folder(const QString &title, const QString &) override
    {
        folderTitles << title;
        return chosenFolder;
    }
    QColor color(const QColor &, int helpContext) override
    {
        colourHelpContexts << helpContext;
        return chosenColour;
    }

    QStringList files;         // what the open dialog returns
    QString chosenFolder;
    QColor chosenColour;       // invalid: cancelled
    QList<Dialogs::FileRequest> fileRequests;
    QStringList folderTitles;
    QList<int> colourHelpContexts;
};
