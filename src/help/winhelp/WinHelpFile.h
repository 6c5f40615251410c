#pragma once

#include "data/Result.h"
#include "help/Manual.h"
#include "help/winhelp/FileSystem.h"
#include "help/winhelp/PhraseTable.h"
#include "help/winhelp/SystemFile.h"
#include "help/winhelp/TopicFile.h"
#include "help/winhelp/TopicText.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// A Windows Help file (.hlp) of Windows 3.1 or Windows 95, read from its bytes: its title, its topics in
// file order, the context numbers of |CTXOMAP and the context names of |CONTEXT. Every read stays inside
// the file's bytes, and the work is bounded by their number; a damaged file gives an error, never more.
class WinHelpFile {
public:
    struct ContextNumber {
        qint32 number = 0;
        qint32 offset = 0; // the topic offset it stands for, -1 for none
    };
    struct Topic {
        qsizetype index = 0; // in file order
        qint64 offset = 0;
        QString title;
        QString text;
        QString html;
        QString fixedHtml;                   // the region at its top that does not scroll
        std::optional<qsizetype> browseBack; // the topics before and after it in its browse sequence
        std::optional<qsizetype> browseForward;
    };
    // A keyword of the index and the topics it leads to, in file order.
    struct Keyword {
        QString keyword;
        QList<qsizetype> topics;
    };

    static bool hasSignature(QByteArrayView bytes);
    // Reads a help file; nothing, and why not in `error`, when it is damaged or of a kind not read here.
    static std::optional<WinHelpFile> read(const QByteArray& bytes, QString* error);

    WinHelpFile(WinHelpFile&&) = default;
    WinHelpFile& operator=(WinHelpFile&&) = default;

    QString title() const { return m_system.title(); }
    const WinHelp::FileSystem& fileSystem() const { return m_fileSystem; }
    const WinHelp::SystemFile& system() const { return m_system; }
    WinHelp::PhraseTable::Kind phraseCompression() const { return m_phrases.kind(); }
    // |CTXOMAP in file order.
    const QList<ContextNumber>& contextNumbers() const { return m_contextNumbers; }

    qsizetype topicCount() const { return m_topics.topics().size(); }
    // The topic a context number maps to; nothing when the file does not map it.
    std::optional<qsizetype> topicForNumber(qint32 number) const;
    // The topic a context name ("idh_Open") names in |CONTEXT; nothing when none.
    std::optional<qsizetype> topicNamed(const QString& contextName) const;
    // The contents topic the help project names, else the first.
    qsizetype contentsTopic() const;
    // The topic a topic target names: a context number ("5101", "0x80880404"), a topic in file order
    // counted from 1 ("#12") or a context hash ("~1A2B3C4D"); nothing when the file has no such topic.
    std::optional<qsizetype> topicForTarget(const QString& target) const;
    // The target that names a topic: its context number when one maps to it, else its place in file order.
    QString targetOf(qsizetype index) const;
    QString topicTitle(qsizetype index) const { return m_topics.topics().at(index).title; }
    // The keywords of |KWBTREE and |KWDATA in their order, none when the file has no index; throws Damaged.
    QList<Keyword> keywords() const;
    // A topic with its text; nothing, and why not in `error`, when its text is damaged.
    std::optional<Topic> topic(qsizetype index, QString* error) const;
    // A picture a topic's HTML names, a |bm file or a picture embedded in a topic; the reason when there is
    // none by that name or it cannot be read.
    Result<Manual::Picture> picture(const QString& name) const;

private:
    explicit WinHelpFile(const QByteArray& bytes);

    QByteArray m_bytes;
    WinHelp::FileSystem m_fileSystem;
    WinHelp::SystemFile m_system;
    WinHelp::PhraseTable m_phrases;
    WinHelp::TopicFile m_topics;
    std::optional<qsizetype> topicForHash(quint32 hash) const;
    // The target of a link or a hotspot to the topic of a context hash: the topic's own target when this
    // file has it, else the hash.
    WinHelp::LinkTarget linkTarget() const;

    QList<WinHelp::Font> m_fonts;
    QList<ContextNumber> m_contextNumbers;
    QHash<qsizetype, qint32> m_numberOfTopic; // the first context number that maps to a topic
    QHash<qint32, qint32> m_contextNames;     // hash of the name, topic offset
};
