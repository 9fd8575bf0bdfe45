// Steps of a user operation written one after the other but run asynchronously: a TUsmTask is a
// lazily started coroutine, `co_await SnmpRead(request, first)` sends and resumes the task from the
// event loop once the answer (or the time-out) is there, and a task may await another task.
// Destroying a suspended task destroys what it awaits, and the requests it holds cancel their sends.
#pragma once

#include "qvsnmpexception.h"
#include "qvsnmprequest.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <coroutine>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

template <typename T>
class TUsmTask {
public:
    struct promise_type {
        std::optional<T> value;
        std::exception_ptr error;
        std::coroutine_handle<> continuation;
        std::function<void()> finished;  // a top-level task: told when it is over

        TUsmTask get_return_object() { return TUsmTask(std::coroutine_handle<promise_type>::from_promise(*this)); }
        std::suspend_always initial_suspend() noexcept { return {}; }
        struct Final {
            bool await_ready() noexcept { return false; }
            std::coroutine_handle<> await_suspend(std::coroutine_handle<promise_type> h) noexcept
            {
                promise_type &p = h.promise();
                if (p.continuation)
                    return p.continuation;
                if (p.finished)
                    p.finished();
                return std::noop_coroutine();
            }
            void await_resume() noexcept {}
        };
        Final final_suspend() noexcept { return {}; }
        void return_value(T v) { value = std::move(v); }
        void unhandled_exception() { error = std::current_exception(); }
    };

    TUsmTask() = default;
    explicit TUsmTask(std::coroutine_handle<promise_type> h) : m_h(h) {}
    TUsmTask(TUsmTask &&other) noexcept : m_h(std::exchange(other.m_h, {})) {}
    TUsmTask &operator=(TUsmTask &&other) noexcept
    {
        if (this != &other) {
            if (m_h)
                m_h.destroy();
            m_h = std::exchange(other.m_h, {});
        }
        return *this;
    }
    TUsmTask(const TUsmTask &) = delete;
    TUsmTask &operator=(const TUsmTask &) = delete;
    ~TUsmTask()
    {
        if (m_h)
            m_h.destroy();
    }

    // Awaited by another task: runs it, and the awaiting task goes on when it is over.
    bool await_ready() const noexcept { return false; }
    std::coroutine_handle<> await_suspend(std::coroutine_handle<> awaiting) noexcept
    {
        m_h.promise().continuation = awaiting;
        return m_h;
    }
    T await_resume() { return Result(); }

    // A top-level task: starts it; finished runs (inside the task's last step) when it is over.
    void Start(std::function<void()> finished)
    {
        m_h.promise().finished = std::move(finished);
        m_h.resume();
    }
    bool Done() const { return m_h && m_h.done(); }
    T Result()
    {
        promise_type &p = m_h.promise();
        if (p.error)
            std::rethrow_exception(p.error);
        return std::move(*p.value);
    }

private:
    std::coroutine_handle<promise_type> m_h;
};

// One send of a request, awaited: the outcome of its completion. The task goes on from the event
// loop, never inside the request's own completion, so it may drop the request then.
class TSnmpExchange {
public:
    enum Kind { Read, Write };
    TSnmpExchange(QvSNMPRequest &request, Kind kind, bool first) : m_request(request), m_kind(kind), m_first(first) {}
    TSnmpExchange(const TSnmpExchange &) = delete;
    TSnmpExchange &operator=(const TSnmpExchange &) = delete;
    ~TSnmpExchange() { m_state->gone = true; }

    bool await_ready() const noexcept { return false; }
    bool await_suspend(std::coroutine_handle<> h)
    {
        m_state->task = h;
        try {
            if (m_kind == Read)
                m_request.ReadAsync(&TSnmpExchange::Completed, m_state.get(), m_first);
            else
                m_request.WriteAsync(&TSnmpExchange::Completed, m_state.get(), false);
        } catch (const QvSNMPException &e) {
            // Refused before it left: go on at once with the failure.
            m_state->outcome.code = e.code() ? e.code() : -1;
            m_state->outcome.text = e.text();
            m_state->outcome.finished = 1;
            return false;
        }
        return true;
    }
    QvSNMPError await_resume() const { return m_state->outcome; }

private:
    struct State : std::enable_shared_from_this<State> {
        std::coroutine_handle<> task;
        QvSNMPError outcome;
        bool gone = false;
    };
    static void Completed(void *data, QvSNMPError *outcome, QvSNMPVarList *)
    {
        auto *s = static_cast<State *>(data);
        if (!s || !outcome)
            return;
        s->outcome = *outcome;
        std::shared_ptr<State> keep = s->shared_from_this();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [keep] {
                if (!keep->gone)
                    keep->task.resume();
            },
            Qt::QueuedConnection);
    }

    QvSNMPRequest &m_request;
    Kind m_kind;
    bool m_first;
    std::shared_ptr<State> m_state = std::make_shared<State>();
};

inline TSnmpExchange SnmpRead(QvSNMPRequest &request, bool first)
{
    return TSnmpExchange(request, TSnmpExchange::Read, first);
}
inline TSnmpExchange SnmpWrite(QvSNMPRequest &request)
{
    return TSnmpExchange(request, TSnmpExchange::Write, false);
}
