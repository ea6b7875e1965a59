#pragma once
// Outcome of an operation a user can see fail (a file, a store, a copy): success,
// or a failure carrying the text to show. Errors come back as values, never as a crash.

#include <QString>
#include <optional>
#include <utility>

class Result
{
public:
    Result() = default; // success
    static Result success() { return {}; }
    static Result failure(QString message)
    {
        Result r;
        r.m_ok = false;
        r.m_message = std::move(message);
        return r;
    }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    // Empty on success.
    const QString &message() const { return m_message; }

private:
    bool m_ok = true;
    QString m_message;
};

// A value, or the failure that prevented it.
template <class T> class Expected
{
public:
    Expected(T value)
        : m_value(std::move(value))
    {
    }
    // From a failure; a success carries no value, so it too counts as a failure here.
    Expected(Result failure)
        : m_message(failure.ok() ? QStringLiteral("no value was given") : failure.message())
    {
    }
    static Expected failure(QString message) { return Expected(Result::failure(std::move(message))); }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    const QString &message() const { return m_message; }
    Result result() const { return ok() ? Result::success() : Result::failure(m_message); }

    // Only on success.
    T &value() { return *m_value; }
    const T &value() const { return *m_value; }
    T &operator*() { return *m_value; }
    const T &operator*() const { return *m_value; }
    T *operator->() { return &*m_value; }
    const T *operator->() const { return &*m_value; }

private:
    std::optional<T> m_value;
    QString m_message;
};
