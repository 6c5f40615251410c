#include "data/ArgumentVector.h"

#include <QFile>

ArgumentVector::ArgumentVector(const QStringList& programAndArguments)
{
    for (const QString& argument : programAndArguments)
        m_bytes.push_back(QFile::encodeName(argument));
    for (QByteArray& argument : m_bytes)
        m_pointers.push_back(argument.data());
    m_pointers.push_back(nullptr);
}
