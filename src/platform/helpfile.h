#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <map>

// The program's help file, "quendel.hlp": HTML in which every topic is a
// <section id="N"> ... </section>, N the help context number that opens it,
// and the section with the id "contents" is the contents page (README.md,
// "The help file", describes the format). The pages it gives are always
// something to show: a missing file, one without topics or a number that
// the file lacks is said on the page.
class HelpFile
{
public:
    enum class State { Loaded, Missing, Unreadable, NoTopics };

    // Loads the first of the candidate paths that exists.
    static HelpFile load(const QStringList &candidates);
    // From a file's text; the path is only named on the pages.
    static HelpFile parse(const QString &path, const QString &text);

    State state() const { return m_state; }
    QString path() const { return m_path; }
    bool hasTopic(int context) const { return m_topics.count(context) != 0; }
    QList<int> contexts() const;
    QString title(int context) const;

    QString contentsPage() const;
    QString topicPage(int context) const;

private:
    struct Topic {
        QString title;
        QString body;
    };

    QString page(const QString &body) const;
    QString notePage(const QString &note) const;
    QString problem() const; // why a file that is not loaded shows nothing

    State m_state = State::Missing;
    QString m_path;
    QStringList m_searched; // the paths looked at, for the missing-file note
    QString m_style;        // the <style> of the file's head, for every page
    QString m_contents;     // the contents section's body; empty when it has none
    std::map<int, Topic> m_topics;
};

// Where the help file is looked for: beside the program, then in the data
// folder that "cmake --install" fills, found from the program's folder.
QStringList helpFileCandidates(const QString &programFolder);
QStringList helpFileCandidates(); // for the running program
