#pragma once

// Scripted stand-ins for the message and dialog seams: tests queue the
// answers and read back what the program asked.

#include "dialogs.h"
#include "help.h"
#include "messages.h"

#include <QList>
#include <QPrinter>
#include <QQueue>
#include <QStringList>

class ScriptedMessages : public Messages::Presenter
{
public:
    ScriptedMessages() { Messages::setPresenter(this); }
    ~ScriptedMessages() override { Messages::setPresenter(nullptr); }

    // Answers for the next boxes, in order; a box without a queued answer
    // gets OK (or Cancel when OK is not among its buttons).
    QQueue<Messages::Button> answers;
    QList<Messages::Request> shown;

    Messages::Button present(const Messages::Request &request) override
    {
        shown << request;
        if (!answers.isEmpty())
            return answers.dequeue();
        return request.buttons.testFlag(Messages::OK) ? Messages::OK : Messages::Cancel;
    }

    QStringList texts() const
    {
        QStringList list;
        for (const Messages::Request &request : shown)
            list << request.text;
        return list;
    }
};

class ScriptedDialogs : public Dialogs::Provider
{
public:
    ScriptedDialogs() { Dialogs::setProvider(this); }
    ~ScriptedDialogs() override { Dialogs::setProvider(nullptr); }

    QQueue<QStringList> openAnswers;
    QQueue<QString> saveAnswers; // "" cancels
    QQueue<QString> folderAnswers;
    QStringList folderTitles; // the title of each folder chooser, in order
    QList<Dialogs::FileRequest> requests;

    QStringList openFiles(const Dialogs::FileRequest &request) override
    {
        requests << request;
        return openAnswers.isEmpty() ? QStringList() : openAnswers.dequeue();
    }
    QString saveFile(const Dialogs::FileRequest &request) override
    {
        requests << request;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue();
    }
    QString folder(const QString &title, const QString &) override
    {
        folderTitles << title;
        return folderAnswers.isEmpty() ? QString() : folderAnswers.dequeue();
    }

    // Print and printer setup: a path answers with that PDF file, "" (or
    // no answer) cancels. The help contexts of the dialogs asked for, in order.
    QQueue<QString> printAnswers;
    QList<int> printContexts;

    bool print(QPrinter &printer, int helpContext) override { return answerPrint(printer, helpContext); }
    bool printerSetup(QPrinter &printer, int helpContext) override { return answerPrint(printer, helpContext); }

private:
    bool answerPrint(QPrinter &printer, int helpContext)
    {
        printContexts << helpContext;
        const QString path = printAnswers.isEmpty() ? QString() : printAnswers.dequeue();
        if (path.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    }
};

class ScriptedHelp : public Help::Viewer
{
public:
    ScriptedHelp() { Help::setViewer(this); }
    ~ScriptedHelp() override { Help::setViewer(nullptr); }

    int contentsShown = 0;
    QList<int> topics; // the context numbers asked for, in order

    void showContents() override { ++contentsShown; }
    void showTopic(int context) override { topics << context; }
};
