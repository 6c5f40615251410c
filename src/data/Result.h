#pragma once

#include <QString>

#include <optional>
#include <utility>

// How an operation that can fail says so: a Result holds either its value or the reason it failed, one
// sentence the officer can read ("cannot write notes.txt: No space left on device"). A function that
// returns a Result never fails in any other way, and never leaves the reason empty. Result<> is for
// operations that give nothing back but success.
//
//     Result<QByteArray> content = readWhole(path);
//     if (!content)
//         return Failure{content.error()};
//     use(*content);
struct Failure {
    QString reason;
};

template <typename T = void> class [[nodiscard]] Result {
public:
    Result(T value)
        : m_value(std::move(value))
    {
    }
    Result(Failure failure)
        : m_reason(std::move(failure.reason))
    {
    }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }

    // The value; only when ok().
    const T& value() const& { return *m_value; }
    T& value() & { return *m_value; }
    T&& value() && { return std::move(*m_value); }
    const T& operator*() const& { return *m_value; }
    T& operator*() & { return *m_value; }
    const T* operator->() const { return &*m_value; }
    T* operator->() { return &*m_value; }

    // Why it failed; empty when ok().
    const QString& error() const { return m_reason; }

private:
    std::optional<T> m_value;
    QString m_reason;
};

template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure)
        : m_failed(true)
        , m_reason(std::move(failure.reason))
    {
    }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return m_reason; }

private:
    bool m_failed = false;
    QString m_reason;
};
