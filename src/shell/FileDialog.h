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
    };
    using Answerer = std::function<QString(const Request&)>;

    // The file chosen, or nothing when the user cancelled. The dialog asks before it replaces a file.
    static QString saveFileName(QWidget* parent, const Request& request);
    // Tests: every request goes to the answerer instead of a dialog; nullptr restores the dialog.
    static void setAnswerer(Answerer answerer);
};
