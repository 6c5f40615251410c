#pragma once

#include <QString>
#include <QStringList>

// Names for a file that must not take the place of one already there: a first name, then the same
// numbered 1, 2 and so on. A name is taken while anything stands under it, a link that leads nowhere as
// well.
class NumberedNames {
public:
    // PATH + suffix, then PATH + suffix + ".1", ".2", ...
    static NumberedNames after(const QString& path, const QString& suffix);
    // FOLDER/NAME.EXT, then FOLDER/NAME.1.EXT, FOLDER/NAME.2.EXT, ...
    static NumberedNames beforeExtension(const QString& path);

    // The name of that number; 0 is the first.
    QString name(int number) const;
    QString firstFree() const;
    // The names before the first free one, all of them taken.
    QStringList taken() const;

private:
    NumberedNames(QString first, QString stem, QString end);

    QString m_first;
    QString m_stem; // what stands before the number
    QString m_end;  // and after it
};
