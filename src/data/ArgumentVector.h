#pragma once

#include <QByteArray>
#include <QStringList>

#include <vector>

// A program and its arguments as exec and posix_spawn take them: null-terminated, alive as long as this.
class ArgumentVector {
public:
    explicit ArgumentVector(const QStringList& programAndArguments);
    ArgumentVector(const ArgumentVector&) = delete;
    ArgumentVector& operator=(const ArgumentVector&) = delete;

    const char* program() const { return m_pointers.front(); }
    char** data() { return m_pointers.data(); }

private:
    std::vector<QByteArray> m_bytes;
    std::vector<char*> m_pointers;
};
