#include "helpfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QRegularExpression::PatternOptions kOptions =
    QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption;

QString plainText(QString html)
{
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    return html.remove(tag).simplified();
}

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(path).toHtmlEscaped();
}

} // namespace

HelpFile HelpFile::load(const QStringList &candidates)
{
    for (const QString &candidate : candidates) {
        if (!QFileInfo::exists(candidate))
            continue;
        QFile file(candidate);
        if (!QFileInfo(candidate).isFile() || !file.open(QIODevice::ReadOnly)) {
            HelpFile help;
            help.m_state = State::Unreadable;
            help.m_path = candidate;
            return help;
        }
        return parse(candidate, QString::fromUtf8(file.readAll()));
    }
    HelpFile help;
    help.m_searched = candidates;
    return help;
}

HelpFile HelpFile::parse(const QString &path, const QString &text)
{
    static const QRegularExpression section(
        QStringLiteral("<section\\s+id\\s*=\\s*\"([^\"]*)\"[^>]*>(.*?)</section\\s*>"), kOptions);
    static const QRegularExpression heading(QStringLiteral("<h[12][^>]*>(.*?)</h[12]\\s*>"), kOptions);
    static const QRegularExpression style(QStringLiteral("<style[^>]*>.*?</style\\s*>"), kOptions);

    HelpFile help;
    help.m_path = path;
    help.m_style = style.match(text).captured(0);
    for (auto it = section.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString id = match.captured(1).trimmed();
        const QString body = match.captured(2);
        if (id.compare(QLatin1String("contents"), Qt::CaseInsensitive) == 0) {
            if (help.m_contents.isEmpty())
                help.m_contents = body;
            continue;
        }
        bool number = false;
        const int context = id.toInt(&number);
        if (!number || help.m_topics.count(context))
            continue; // not a topic, or one given twice: the first holds
        QString title = plainText(heading.match(body).captured(1));
        if (title.isEmpty())
            title = QStringLiteral("Topic %1").arg(context);
        help.m_topics[context] = Topic{title, body};
    }
    help.m_state = help.m_topics.empty() && help.m_contents.isEmpty() ? State::NoTopics : State::Loaded;
    return help;
}

QList<int> HelpFile::contexts() const
{
    QList<int> list;
    for (const auto &entry : m_topics)
        list << entry.first;
    return list;
}

QString HelpFile::title(int context) const
{
    const auto topic = m_topics.find(context);
    return topic == m_topics.end() ? QString() : topic->second.title;
}

QString HelpFile::contentsPage() const
{
    if (m_state != State::Loaded)
        return notePage(problem());
    if (!m_contents.isEmpty())
        return page(m_contents);
    QString list = QStringLiteral("<h1>Contents</h1><p>This help file has no contents page of its own. "
                                  "These are its topics:</p><ul>");
    for (const auto &[context, topic] : m_topics)
        list += QStringLiteral("<li><a href=\"#%1\">%2</a></li>").arg(context).arg(topic.title.toHtmlEscaped());
    return page(list + QStringLiteral("</ul>"));
}

QString HelpFile::topicPage(int context) const
{
    if (m_state != State::Loaded)
        return notePage(problem());
    const auto topic = m_topics.find(context);
    if (topic == m_topics.end()) {
        return notePage(QStringLiteral("<p>The help file %1 has no topic for the help context %2. "
                                       "The <a href=\"#contents\">contents</a> list the topics it has.</p>")
                            .arg(shownPath(m_path))
                            .arg(context));
    }
    return page(topic->second.body);
}

QString HelpFile::problem() const
{
    switch (m_state) {
    case State::Missing: {
        QString places;
        for (const QString &candidate : m_searched)
            places += QStringLiteral("<li>%1</li>").arg(shownPath(candidate));
        return QStringLiteral("<p>The help file quendel.hlp was not found. "
                              "Quendel looked for it here:</p><ul>%1</ul>")
            .arg(places);
    }
    case State::Unreadable: return QStringLiteral("<p>The help file %1 could not be read.</p>").arg(shownPath(m_path));
    case State::NoTopics: return QStringLiteral("<p>The help file %1 holds no help topics.</p>").arg(shownPath(m_path));
    case State::Loaded: break;
    }
    return {};
}

QString HelpFile::page(const QString &body) const
{
    return QStringLiteral("<html><head>%1</head><body>%2</body></html>").arg(m_style, body);
}

QString HelpFile::notePage(const QString &note) const
{
    return page(QStringLiteral("<h1>Help is not available</h1>") + note);
}

QStringList helpFileCandidates(const QString &programFolder)
{
    const QDir folder(programFolder);
    return {folder.filePath(QStringLiteral("quendel.hlp")),
            QDir::cleanPath(folder.filePath(QStringLiteral(QUENDEL_DATA_FROM_PROGRAM "/quendel.hlp")))};
}

QStringList helpFileCandidates()
{
    return helpFileCandidates(QCoreApplication::applicationDirPath());
}
