#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace WinHelp {

class FileSystem;

// The phrases that phrase-compressed help files keep once and refer to from topic text: the |Phrases file
// of the Windows 3.1 compiler, or |PhrIndex and |PhrImage of the Windows 95 compiler's Hall compression.
class PhraseTable {
public:
    enum class Kind { None, Phrases, Hall };

    // Reads the phrase files of `files`, if it has any; throws Damaged.
    explicit PhraseTable(const FileSystem& files);

    Kind kind() const { return m_kind; }
    qsizetype count() const { return m_offsets.size() - 1; }
    QByteArrayView phrase(qsizetype number) const;

    // Expands text that refers to phrases, up to `limit` bytes; throws Damaged on a phrase it does not have.
    QByteArray expand(QByteArrayView packed, qsizetype limit) const;

private:
    void readPhrases(QByteArrayView file);
    void readHall(QByteArrayView index, QByteArrayView image);
    void expandPhrases(QByteArrayView packed, qsizetype limit, QByteArray& out) const;
    void expandHall(QByteArrayView packed, qsizetype limit, QByteArray& out) const;

    Kind m_kind = Kind::None;
    QByteArray m_text;
    QList<qsizetype> m_offsets{0}; // phrase n is m_text from m_offsets[n] to m_offsets[n + 1]
};

} // namespace WinHelp
