#pragma once

#include "data/Result.h"

#include <QString>
#include <QStringList>

// Where Velcarin's files lie. The four databases are in the data folder. Help files and pictures are
// looked for beside the databases first, so that an officer can put his own manual there, and then among
// the files shipped with the program.
class DataFolders {
public:
    // The folders the data folder is chosen from.
    struct Places {
        QString programFolder;   // the folder of the running program
        QString installedFolder; // the shipped files of an installed program
        QString officersFolder;  // the user's own data folder
    };

    DataFolders() = default;
    DataFolders(QString dataFolder, QString shippedFolder, bool officers = false);

    // A data folder named on the command line is used as it is. Otherwise a program folder that holds
    // any of the four databases (the build tree, a portable copy) is the data folder, so that one it
    // lacks is named as missing there. Otherwise the databases are the officer's own, in his data folder:
    // an installed program's folder is shared by every user and cannot be written. The shipped files are
    // the program folder's when it holds databases, else the installed ones.
    static DataFolders choose(const QString& requested, const Places& places);
    // The places of this program: its folder, the installed files relative to it, and the user's
    // application data folder.
    static Places places();
    // The folder of the running program, or of the program that runs it as a helper.
    static QString programFolder();
    static void setProgramFolder(const QString& folder);

    const QString& dataFolder() const { return m_dataFolder; }
    const QString& shippedFolder() const { return m_shippedFolder; }
    bool isOfficersFolder() const { return m_officers; }

    // A help file or picture: the one beside the databases if there is one, else the shipped one.
    QString locate(const QString& fileName) const;

    // Makes the officer's data folder ready: creates it and copies in each shipped database that it does
    // not hold yet. A database already there is never replaced. When it fails, nothing it made is left;
    // else it gives the copies and folders it made, so that a start that fails later can take them back.
    // Any other data folder is left as it is; it only has to be a folder that is there.
    Result<QStringList> prepare() const;
    // Removes the copies and folders that prepare made; a folder only while it is empty.
    static void removeMade(const QStringList& made);

    // The folders of this run, set once at the start; until then the program's own folder holds
    // everything.
    static DataFolders current();
    static void setCurrent(const DataFolders& folders);

private:
    QString m_dataFolder;
    QString m_shippedFolder;
    bool m_officers = false;
};
