#pragma once

#include <QList>
#include <QString>

#include <optional>

// The meaning of the codes the cargo data carries, as fixed English texts. Texts of several lines have
// CR LF line breaks and no break after the last line. A code that is in no table gives nothing.
namespace Vocabulary {

struct NamedCode {
    QString code;
    QString name;
};

std::optional<QString> cleaningGroupText(const QString& code); // "1" to "7"
QString notCarriedText();                                      // cleaning code "N/C"
QString specialInstructionsText();                             // cleaning code "SEE MANUAL"
QString contactOperatorText();                                 // cleaning code "CONTACT SHIP OPERATOR"
std::optional<QString> temperatureText(const QString& code);   // "A" to "F"
std::optional<QString> notesText(const QString& code);         // "1" to "24" and the seven pairs

// The IMDG classes and the USCG compatibility groups, in table order.
const QList<NamedCode>& imdgClasses();
const QList<NamedCode>& uscgGroups();
std::optional<QString> imdgClassName(const QString& classNumber);
std::optional<QString> uscgGroupName(const QString& groupNumber);

// What a decoded display field shows after a code: an empty code clears it, a code of the table writes
// its text, any other code leaves it as it was.
void showDecoded(const QString& code, const std::optional<QString>& text, QString& shown);
// The same for a USCG group number, where "0", no group, clears the name too.
void showGroupName(const QString& groupNumber, QString& shown);

} // namespace Vocabulary
