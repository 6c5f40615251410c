#pragma once

// What the tests of windows use: stand-ins for the seams (message boxes, beep, printer, file dialog, help
// viewer) and the clicks and reads of controls.

#include "shell/FileDialog.h"
#include "shell/HelpRequest.h"
#include "shell/MessageBox.h"
#include "support/TestSupport.h"

#include <QList>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class QComboBox;

// Answers every message box while it lives and keeps what was asked.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();

    // The answers to give, in order; afterwards every box is answered with its first button.
    void answerWith(QList<QMessageBox::StandardButton> answers) { m_answers = std::move(answers); }
    const QList<MessageBox::Request>& requests() const { return m_requests; }
    void clear() { m_requests.clear(); }

private:
    QList<MessageBox::Request> m_requests;
    QList<QMessageBox::StandardButton> m_answers;
};

// Counts the beeps while it lives.
class BeepCounter {
public:
    BeepCounter();
    ~BeepCounter();

    int count() const { return m_count; }
    void reset() { m_count = 0; }

private:
    int m_count = 0;
};

// While it lives, the program's default printer writes each print to a new PDF file of that paper in a
// folder of its own; or, not installed, there is no printer at all.
class PrinterStandIn {
public:
    explicit PrinterStandIn(QPageSize::PageSizeId paper = QPageSize::A4, bool installed = true);
    ~PrinterStandIn();

    // The PDF files printed, in order.
    const QStringList& printed() const { return m_printed; }

private:
    QTemporaryDir m_dir;
    QStringList m_printed;
};

// While it lives, every question for a file to save into is kept and answered with the next of the
// given file names; an empty name, or none left, cancels.
class FileDialogRecorder {
public:
    FileDialogRecorder();
    ~FileDialogRecorder();

    void answerWith(QStringList fileNames) { m_answers = std::move(fileNames); }
    const QList<FileDialog::Request>& requests() const { return m_requests; }

private:
    QList<FileDialog::Request> m_requests;
    QStringList m_answers;
};

// Takes every help request while it lives, in place of the help viewer, and keeps it.
class HelpRecorder {
public:
    HelpRecorder();
    ~HelpRecorder();

    const QList<HelpRequest>& requests() const { return m_requests; }
    void clear() { m_requests.clear(); }

private:
    QList<HelpRequest> m_requests;
};

// Finds a menu entry by objectName, checks that it is enabled, triggers it and lets events run.
bool triggerAction(const QWidget* window, const QString& name);

// The clicks in an editable combo box: a pick from its open list, a click in its edit field after the
// text is typed there, a press on its button after the text is typed.
void pickFromList(QComboBox* comboBox, const QString& text);
void pickFromList(QComboBox* comboBox, int row);
void clickEditField(QComboBox* comboBox, const QString& text);
void pressComboButton(QComboBox* comboBox, const QString& text);

// The text a label, line edit or text box named so shows, text boxes' CR LF included.
QString controlText(const QObject* parent, const QString& name);

// Where a window of its present frame is placed at load: left = (screen width - window width) \ 2 and
// top = (screen height - window height) \ topDivisor, worked out in whole twips.
QPoint placementAtLoad(const QWidget* window, int topDivisor);

// The contrast ratio of two colours as the Web Content Accessibility Guidelines define it, 1 to 21.
double contrastRatio(const QColor& first, const QColor& second);
