#pragma once

#include <QString>

#include <functional>

class QWidget;

// The question for a file to save into goes through here, so that tests can answer it.
class FileDialog {
public:
    struct Request {
        QString title;
        QString suggestedPath;
        QString filter;        // "PDF files (*.pdf)"
        QString defaultSuffix; // added to a name typed without one
        // Where given, the dialog opens in the folder of the last file chosen under this name, kept in
        // the officer's settings, rather than in the suggested path's folder.
        QString folderSetting = {};
    };
    using Answerer = std::function<QString(const Request&)>;

    // The file chosen, or nothing when the user cancelled. The dialog asks before it replaces a file.
    static QString saveFileName(QWidget* parent, Request request);
    // Tests: every request goes to the answerer instead of a dialog, the folder it opens in included;
    // nullptr restores the dialog.
    static void setAnswerer(Answerer answerer);
};
